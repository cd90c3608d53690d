#pragma once

// Sound files made at test time, and what a user would hear at the null sink's monitor.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class QProcess;

namespace kwtest {

inline constexpr int kRate = 44100;

// One stretch of sound: a sine of `hz`, white noise for hz < 0, silence for 0.
struct Segment {
    int hz;
    int ms;
};

enum class Mp3Kind { Cbr, VbrXing, VbrNoXing };

// Stereo 16-bit PCM at kRate, without a header.
QByteArray synthesize(const std::vector<Segment>& segments);
std::int64_t lengthMs(const std::vector<Segment>& segments);
// A WAVE file of the segments, encoded with lame; empty path on failure.
QString encodeMp3(const QString& folder, const QString& name, const std::vector<Segment>& segments,
                  Mp3Kind kind);
// The MP3 bytes of `mp3Path` wrapped in a RIFF/WAVE file (format tag 0x55).
QByteArray wrapInRiff(const QByteArray& mp3);
// Runs a program to its end; false on failure or after 60 s.
bool runTool(const QString& program, const QStringList& arguments);

// Stereo samples, -1..1.
struct Sound {
    std::vector<float> left;
    std::vector<float> right;
    int rate = kRate;
};

// Records what the null sink plays (its monitor) while it lives.
class MonitorRecording {
public:
    MonitorRecording();
    ~MonitorRecording();
    Sound stop();

private:
    QProcess* process_;
};

// Power of `hz` in samples [from, from + count) (Goertzel), relative to a full-scale sine's.
double tonePower(const std::vector<float>& samples, std::size_t from, std::size_t count, int hz,
                 int rate);
// First sample whose magnitude exceeds `level`; size() when there is none.
std::size_t firstLoud(const std::vector<float>& samples, float level = 0.05f);
// The largest magnitude.
float peak(const std::vector<float>& samples);

} // namespace kwtest
