#include "playback/CaptureDevice.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

class NamedDevice : public CaptureDevice {
public:
    explicit NamedDevice(QString name) : name_(std::move(name)) {}
    QString name() const override { return name_; }
    QStringList properties() const override { return {}; }

private:
    QString name_;
};

CaptureDeviceOpener devicesNamed(QStringList names) {
    return [names](int position, QString& name) -> std::unique_ptr<CaptureDevice> {
        if (position < 0 || position >= names.size())
            return nullptr;
        name = names[position];
        return std::make_unique<NamedDevice>(name);
    };
}

} // namespace

TEST(CaptureChoice, SavedPositionIsUsedWhileItExists) {
    int chosen = 1;
    QString name;
    auto device = openChosenCaptureDevice(devicesNamed({"Mic", "Line"}), chosen, name);
    ASSERT_TRUE(device);
    EXPECT_EQ(name, "Line");
    EXPECT_EQ(chosen, 1);
}

TEST(CaptureChoice, VanishedPositionFallsBackToTheFirstAndIsStored) {
    int chosen = 5;
    QString name;
    auto device = openChosenCaptureDevice(devicesNamed({"Mic", "Line"}), chosen, name);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->name(), "Mic");
    EXPECT_EQ(chosen, 0);
}

TEST(CaptureChoice, NoDeviceAtAllGivesNone) {
    int chosen = 2;
    QString name;
    EXPECT_FALSE(openChosenCaptureDevice(devicesNamed({}), chosen, name));
    EXPECT_EQ(chosen, 0);
}
