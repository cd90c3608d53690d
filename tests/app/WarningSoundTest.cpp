#include "app/WarningSound.h"

#include "TempDir.h"

#include <QElapsedTimer>
#include <gst/gst.h>
#include <gtest/gtest.h>

TEST(WarningSound, PlaysOnlyFilesBelowOneMebibyte) {
    kwtest::TempDir dir;
    EXPECT_FALSE(kw::isPlayableWarningSound(dir.path("missing.wav")));
    EXPECT_FALSE(kw::isPlayableWarningSound(dir.write("empty.wav", {})));
    EXPECT_FALSE(kw::isPlayableWarningSound(dir.write("big.wav", QByteArray(1048576, 'x'))));
    EXPECT_TRUE(kw::isPlayableWarningSound(dir.write("ok.wav", QByteArray(1048575, 'x'))));
    EXPECT_FALSE(kw::isPlayableWarningSound(dir.path("")));
}

TEST(WarningSound, NeverBlocksTheCaller) {
    gst_init(nullptr, nullptr);
    // A long sound: the call must return at once all the same.
    kwtest::TempDir dir;
    QByteArray wav("RIFF\x24\x00\x0f\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00"
                   "\x44\xac\x00\x00\x02\x00\x10\x00data\x00\x00\x0f\x00",
                   44);
    wav += QByteArray(0x0f0000, '\0');
    const QString path = dir.write("long.wav", wav);
    QElapsedTimer clock;
    clock.start();
    kw::playWarningSound(path);
    EXPECT_LT(clock.elapsed(), 50);
}
