#include "app/StartupChecks.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using kw::StartupProblem;

TEST(StartupChecks, CompanionToolsMustAllBeFound) {
    const auto findOnly = [](std::set<QString> present) {
        return [present](const QString& tool) {
            return present.count(tool) ? "/bin/" + tool : QString();
        };
    };
    EXPECT_EQ(kw::checkCompanionTools(findOnly({"mp3val", "mp3splt"})), StartupProblem::None);
    EXPECT_EQ(kw::checkCompanionTools(findOnly({"mp3val"})), StartupProblem::FilesMissing);
    EXPECT_EQ(kw::checkCompanionTools(findOnly({"mp3splt"})), StartupProblem::FilesMissing);
}

TEST(StartupChecks, TheFirstMissingMediaElementDecides) {
    const auto without = [](std::set<std::string> missing) {
        return [missing](const char* element) {
            return !missing.count(element);
        };
    };
    const struct {
        std::set<std::string> missing;
        StartupProblem problem;
    } cases[] = {
        {{}, StartupProblem::None},
        {{"mpg123audiodec"}, StartupProblem::InstallationDamaged},
        {{"mpegaudioparse"}, StartupProblem::InstallationDamaged},
        {{"parsebin"}, StartupProblem::MediaSystemDamaged},
        {{"filesrc"}, StartupProblem::MediaSystemDamaged},
        {{"filesrc", "mpg123audiodec"}, StartupProblem::InstallationDamaged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kw::checkMediaComponents(without(c.missing)), c.problem);
}

TEST(StartupChecks, ProblemTexts) {
    EXPECT_EQ(kw::startupProblemText(StartupProblem::FilesMissing).toStdString(),
              "文件有缺失，请重装本软件");
    EXPECT_EQ(kw::startupProblemText(StartupProblem::InstallationDamaged).toStdString(),
              "文件有缺失，请重新安装 Kelpwhistle");
    EXPECT_TRUE(kw::startupProblemText(StartupProblem::None).isEmpty());
}
