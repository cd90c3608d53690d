#pragma once

#include <QStringView>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace kw {

// One argument of a FixedText format: a number for %d or %.2d, or a text for %s.
struct TextArg {
    TextArg(std::int64_t n) : number(n) {}
    TextArg(QStringView t) : text(t) {}
    std::int64_t number = 0;
    QStringView text;
};

// A text of at most Capacity characters formatted in place, so that texts written on every
// playback poll cost no allocation. Longer results are cut at the capacity.
template <int Capacity> class FixedText {
public:
    // Understands %d, %.Nd (at least N digits) and %s; any other character is copied.
    void format(QStringView pattern, std::initializer_list<TextArg> args) {
        length_ = 0;
        const TextArg* arg = args.begin();
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            const QChar c = pattern[i];
            if (c != u'%' || i + 1 >= pattern.size() || arg == args.end()) {
                put(c.unicode());
                continue;
            }
            int minDigits = 1;
            qsizetype j = i + 1;
            if (pattern[j] == u'.' && j + 2 < pattern.size()) {
                minDigits = pattern[j + 1].digitValue();
                j += 2;
            }
            if (pattern[j] == u'd') {
                putNumber(arg->number, minDigits);
            } else if (pattern[j] == u's') {
                for (const QChar t : arg->text)
                    put(t.unicode());
            } else {
                put(c.unicode());
                continue;
            }
            ++arg;
            i = j;
        }
    }

    QStringView view() const { return QStringView(chars_.data(), length_); }

private:
    void put(char16_t c) {
        if (length_ < Capacity)
            chars_[std::size_t(length_++)] = c;
    }

    void putNumber(std::int64_t value, int minDigits) {
        if (value < 0)
            put(u'-');
        // Digits in reverse; the magnitude of the smallest int64 still fits an unsigned.
        std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
        std::array<char16_t, 20> digits{};
        int count = 0;
        do {
            digits[std::size_t(count++)] = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        for (int pad = count; pad < minDigits; ++pad)
            put(u'0');
        while (count > 0)
            put(digits[std::size_t(--count)]);
    }

    std::array<char16_t, Capacity> chars_{};
    int length_ = 0;
};

} // namespace kw
