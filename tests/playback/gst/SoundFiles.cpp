#include "SoundFiles.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace kwtest {

QByteArray synthesize(const std::vector<Segment>& segments) {
    QByteArray pcm;
    QRandomGenerator noise(7);
    double phase = 0;
    for (const Segment& s : segments) {
        const std::int64_t n = std::int64_t(s.ms) * kRate / 1000;
        for (std::int64_t i = 0; i < n; ++i) {
            double v = 0;
            if (s.hz > 0) {
                v = 0.5 * std::sin(phase);
                phase += 2 * std::numbers::pi * s.hz / kRate;
            } else if (s.hz < 0) {
                v = 0.5 * (noise.generateDouble() * 2 - 1);
            }
            const auto sample = qToLittleEndian(static_cast<std::int16_t>(v * 32767));
            pcm.append(reinterpret_cast<const char*>(&sample), 2);
            pcm.append(reinterpret_cast<const char*>(&sample), 2);
        }
    }
    return pcm;
}

std::int64_t lengthMs(const std::vector<Segment>& segments) {
    std::int64_t ms = 0;
    for (const Segment& s : segments)
        ms += s.ms;
    return ms;
}

namespace {

void appendLe(QByteArray& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

bool runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString encodeMp3(const QString& folder, const QString& name, const std::vector<Segment>& segments,
                  Mp3Kind kind) {
    const QByteArray pcm = synthesize(segments);
    const QString raw = folder + "/" + name + ".raw";
    QFile file(raw);
    if (!file.open(QIODevice::WriteOnly) || file.write(pcm) != pcm.size())
        return {};
    file.close();
    QStringList args{"--quiet",    "-r", "-s",       "44.1",
                     "--bitwidth", "16", "--signed", "--little-endian"};
    if (kind == Mp3Kind::Cbr)
        args << "--cbr"
             << "-b"
             << "128";
    else
        args << "-V"
             << "2";
    if (kind == Mp3Kind::VbrNoXing)
        args << "-t";
    const QString mp3 = folder + "/" + name + ".mp3";
    args << raw << mp3;
    const bool ok = runTool("lame", args);
    QFile::remove(raw);
    return ok ? mp3 : QString();
}

QByteArray wrapInRiff(const QByteArray& mp3) {
    QByteArray fmt;
    appendLe(fmt, 0x55, 2);       // MPEG Layer-3
    appendLe(fmt, 2, 2);          // channels
    appendLe(fmt, kRate, 4);      // sample rate
    appendLe(fmt, 128000 / 8, 4); // bytes per second
    appendLe(fmt, 1, 2);          // block align
    appendLe(fmt, 0, 2);          // bits per sample
    appendLe(fmt, 0, 2);          // extra size
    QByteArray out("RIFF");
    appendLe(out, std::uint32_t(4 + 8 + fmt.size() + 8 + mp3.size()), 4);
    out.append("WAVEfmt ");
    appendLe(out, std::uint32_t(fmt.size()), 4);
    out.append(fmt);
    out.append("data");
    appendLe(out, std::uint32_t(mp3.size()), 4);
    out.append(mp3);
    return out;
}

MonitorRecording::MonitorRecording() : process_(new QProcess) {
    process_->start("parec", {"-d", "testsink.monitor", "--format=float32le", "--rate=44100",
                              "--channels=2", "--latency-msec=10", "--raw"});
    process_->waitForStarted();
}

MonitorRecording::~MonitorRecording() {
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished();
    }
    delete process_;
}

Sound MonitorRecording::stop() {
    process_->terminate();
    process_->waitForFinished(5000);
    const QByteArray bytes = process_->readAllStandardOutput();
    Sound sound;
    const auto* f = reinterpret_cast<const float*>(bytes.constData());
    const qsizetype frames = bytes.size() / 8;
    for (qsizetype i = 0; i < frames; ++i) {
        sound.left.push_back(f[2 * i]);
        sound.right.push_back(f[2 * i + 1]);
    }
    return sound;
}

double tonePower(const std::vector<float>& samples, std::size_t from, std::size_t count, int hz,
                 int rate) {
    const double w = 2 * std::numbers::pi * hz / rate;
    const double c = 2 * std::cos(w);
    double s1 = 0;
    double s2 = 0;
    for (std::size_t i = from; i < from + count && i < samples.size(); ++i) {
        const double s0 = samples[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    const double full = double(count) * double(count) / 4;
    return power / full;
}

std::size_t firstLoud(const std::vector<float>& samples, float level) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > level)
            return i;
    }
    return samples.size();
}

float peak(const std::vector<float>& samples) {
    float p = 0;
    for (const float v : samples)
        p = std::max(p, std::abs(v));
    return p;
}

} // namespace kwtest
