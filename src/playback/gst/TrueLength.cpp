#include "playback/gst/TrueLength.h"

#include <QFile>
#include <cstring>
#include <memory>
#include <mpg123.h>
#include <sys/types.h>
#include <vector>

namespace kw::gst {

namespace {

// libmpg123's own reader makes one read() per frame header; reading 256 KiB at a time makes a
// 30-minute scan take milliseconds instead of a fifth of a second.
class BufferedReader {
public:
    explicit BufferedReader(const QString& path) : file_(path), buffer_(256 * 1024) {}
    bool open() { return file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    static mpg123_ssize_t read(void* handle, void* out, size_t size) {
        return static_cast<BufferedReader*>(handle)->read(static_cast<char*>(out), size);
    }
    static off_t seek(void* handle, off_t offset, int whence) {
        return static_cast<BufferedReader*>(handle)->seek(offset, whence);
    }

private:
    mpg123_ssize_t read(char* out, size_t size) {
        size_t done = 0;
        while (done < size) {
            if (at_ == filled_ && !refill())
                break;
            const size_t n = std::min(size - done, filled_ - at_);
            std::memcpy(out + done, buffer_.data() + at_, n);
            at_ += n;
            done += n;
        }
        return static_cast<mpg123_ssize_t>(done);
    }

    bool refill() {
        bufferStart_ += static_cast<qint64>(filled_);
        at_ = filled_ = 0;
        if (!file_.seek(bufferStart_))
            return false;
        const qint64 n = file_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
        if (n <= 0)
            return false;
        filled_ = static_cast<size_t>(n);
        return true;
    }

    off_t seek(off_t offset, int whence) {
        const qint64 here = bufferStart_ + static_cast<qint64>(at_);
        qint64 target = offset;
        if (whence == SEEK_CUR)
            target = here + offset;
        else if (whence == SEEK_END)
            target = file_.size() + offset;
        if (target < 0)
            return -1;
        if (target >= bufferStart_ && target <= bufferStart_ + static_cast<qint64>(filled_)) {
            at_ = static_cast<size_t>(target - bufferStart_);
        } else {
            bufferStart_ = target;
            at_ = filled_ = 0;
        }
        return static_cast<off_t>(target);
    }

    QFile file_;
    std::vector<char> buffer_;
    qint64 bufferStart_ = 0;
    size_t at_ = 0;
    size_t filled_ = 0;
};

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};

} // namespace

std::optional<std::int64_t> trueMp3LengthNs(const QString& path) {
    BufferedReader reader(path);
    if (!reader.open())
        return std::nullopt;
    std::unique_ptr<mpg123_handle, HandleDeleter> handle(mpg123_new(nullptr, nullptr));
    if (!handle)
        return std::nullopt;
    mpg123_handle* mh = handle.get();
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    if (mpg123_replace_reader_handle(mh, &BufferedReader::read, &BufferedReader::seek, nullptr) !=
            MPG123_OK ||
        mpg123_open_handle(mh, &reader) != MPG123_OK)
        return std::nullopt;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK || rate <= 0)
        return std::nullopt;
    if (mpg123_scan(mh) != MPG123_OK)
        return std::nullopt;
    const off_t samples = mpg123_length(mh);
    if (samples < 0)
        return std::nullopt;
    return static_cast<std::int64_t>(samples) * 1'000'000'000 / rate;
}

} // namespace kw::gst
