#include "online/OnlineServices.h"

#include "LoopbackServer.h"
#include "WaitUntil.h"
#include "texts/OnlineTexts.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

using kw::VersionNews;
using kwtest::LoopbackServer;
using namespace std::chrono_literals;

namespace {

// Short enough for the suite, long enough for a loopback answer on a busy machine.
constexpr auto kDeadline = 400ms;
// Time for the events after the deadline, or for a quick answer.
constexpr auto kSlack = 1500ms;

// What the user saw of the dialog.
struct ShownDialog {
    QString title;
    QString heading;
    QString notice;
    QStringList buttons;
    int result = 0;
};

class OnlineServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The loopback server must be reached directly whatever the environment says.
        qunsetenv("http_proxy");
        qunsetenv("HTTP_PROXY");
    }

    // Starts the services against `server`; the user answers any dialog with `button`.
    void start(const kw::ServerAddress& server, QStringView button = kw::text::kCancel) {
        services.emplace(&window, server, kw::RequestLimits{kDeadline});
        services->setDialogRunner([this, button](kw::NewVersionDialog& dialog) {
            ShownDialog seen{dialog.windowTitle(),
                             dialog.findChild<QLabel*>()->text(),
                             dialog.findChild<QPlainTextEdit*>()->toPlainText(),
                             {},
                             0};
            for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
                seen.buttons << b->text();
                if (b->text() == button)
                    b->click();
            }
            seen.result = dialog.result();
            shown.push_back(seen);
            return seen.result;
        });
        services->setUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        QObject::connect(&*services, &kw::OnlineServices::versionChecked,
                         [this](VersionNews n) { news = n; });
        QObject::connect(&*services, &kw::OnlineServices::exitRequested,
                         [this] { exitAfterDialogs = static_cast<int>(shown.size()); });
        clock.start();
        services->start();
        startMs = clock.elapsed();
    }

    // Waits for the check's end and for the notice it brings to be handled.
    void waitForCheck() {
        ASSERT_TRUE(kwtest::waitUntil([this] { return news.has_value(); }, kDeadline + kSlack));
        checkMs = clock.elapsed();
        if (*news != VersionNews::None) {
            ASSERT_TRUE(kwtest::waitUntil([this] { return !shown.empty(); }, kSlack));
        }
        QTest::qWait(50);
    }

    QWidget window;
    std::optional<kw::OnlineServices> services;
    QElapsedTimer clock;
    qint64 startMs = 0;
    qint64 checkMs = 0;
    std::optional<VersionNews> news;
    std::vector<ShownDialog> shown;
    std::vector<QUrl> opened;
    std::optional<int> exitAfterDialogs;
};

TEST_F(OnlineServicesTest, RequestsCarryTheProductHeaders) {
    LoopbackServer server(LoopbackServer::answer("no news"));
    start(server.address());
    ASSERT_TRUE(kwtest::waitUntil([&] { return server.requests().size() == 2; }, kSlack));

    const kw::OsVersion os = kw::currentOsVersion();
    QList<QByteArray> lines;
    for (const auto& request : server.requests()) {
        lines << request.line;
        EXPECT_EQ(request.header("User-Agent"),
                  "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)");
        EXPECT_EQ(request.header("Accept"), "*/*");
        EXPECT_EQ(request.header("UA-CPU"), "x86");
        EXPECT_EQ(request.header("Cache-Control"), "no-cache");
        EXPECT_EQ(request.header("Pragma"), "no-cache");
        EXPECT_EQ(request.header("Host"), "127.0.0.1:" + QByteArray::number(server.address().port));
    }
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (QList<QByteArray>{
                         "GET /zov/usageLog.php?ver=2.7.8&os=" + QByteArray::number(os.major) +
                             "." + QByteArray::number(os.minor) + " HTTP/1.1",
                         "GET /zov/ver.php?ver=2.7.8 HTTP/1.1"}));
}

struct AnswerCase {
    const char* name;
    std::function<LoopbackServer::Responder()> responder;
    VersionNews news;

    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }
};

const QByteArray kTenMegabytes = "_must" + QByteArray(10 * 1024 * 1024, 'x');

const AnswerCase kAnswerCases[] = {
    {"Tell", [] { return LoopbackServer::answer("_tell"); }, VersionNews::NewVersion},
    {"TellAndMore", [] { return LoopbackServer::answer("_tell and more"); },
     VersionNews::NewVersion},
    {"SomethingBeforeTell", [] { return LoopbackServer::answer("x_tell"); }, VersionNews::None},
    {"Must", [] { return LoopbackServer::answer("_must"); }, VersionNews::Withdrawn},
    {"ShortOfTell", [] { return LoopbackServer::answer("_tel"); }, VersionNews::None},
    {"Empty", [] { return LoopbackServer::answer(""); }, VersionNews::None},
    {"NotFoundEvenWithTell",
     [] { return LoopbackServer::answer("_tell" + QByteArray(100, ' '), 404); }, VersionNews::None},
    {"ServerError", [] { return LoopbackServer::answer("_must", 500); }, VersionNews::None},
    {"TenMegabytes", [] { return LoopbackServer::answer(kTenMegabytes); }, VersionNews::Withdrawn},
    {"NeverAnswers", [] { return LoopbackServer::silent(); }, VersionNews::None},
    {"TricklesPastTheDeadline", [] { return LoopbackServer::trickle(50ms); }, VersionNews::None},
};

class Answers : public OnlineServicesTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(Answers, DecideTheNoticeWithinTheDeadline) {
    LoopbackServer server(GetParam().responder());
    start(server.address());
    waitForCheck();

    EXPECT_LT(startMs, 200) << "start must not wait for the network";
    EXPECT_LT(checkMs, (kDeadline + 600ms).count());
    EXPECT_EQ(*news, GetParam().news);
    EXPECT_EQ(shown.size(), GetParam().news == VersionNews::None ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Online, Answers, ::testing::ValuesIn(kAnswerCases),
                         [](const ::testing::TestParamInfo<AnswerCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(OnlineServicesTest, UnreachableServerIsSilent) {
    start(kwtest::closedPort());
    waitForCheck();
    EXPECT_EQ(*news, VersionNews::None);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(exitAfterDialogs.has_value());
}

TEST_F(OnlineServicesTest, StartsOnlyOnce) {
    LoopbackServer server(LoopbackServer::answer("_tell"));
    start(server.address());
    services->start();
    waitForCheck();
    QTest::qWait(200);
    EXPECT_EQ(server.requests().size(), 2);
    EXPECT_EQ(shown.size(), 1u);
}

// Redirects: answers /hop<n> with a redirect to /hop<n+1> until `hops` redirects were given,
// then "_tell".
LoopbackServer::Responder redirects(int hops, QByteArray target = {}) {
    return [=](QTcpSocket& socket, const kwtest::ReceivedRequest& request) {
        const QByteArray path = request.path();
        const int hop = path.startsWith("/hop") ? path.mid(4).toInt() : 0;
        if (path.startsWith("/zov/usage"))
            LoopbackServer::answer("")(socket, request);
        else if (hop < hops)
            LoopbackServer::answer(
                "", 302,
                "Location: " + (target.isEmpty() ? "/hop" + QByteArray::number(hop + 1) : target) +
                    "\r\n")(socket, request);
        else
            LoopbackServer::answer("_tell")(socket, request);
    };
}

TEST_F(OnlineServicesTest, FollowsAtMostThreeRedirects) {
    for (const auto& [hops, expected] :
         {std::pair{3, VersionNews::NewVersion}, std::pair{4, VersionNews::None}}) {
        news.reset();
        LoopbackServer server(redirects(hops));
        start(server.address());
        waitForCheck();
        EXPECT_EQ(*news, expected) << hops << " redirects";
        const auto versionRequests = std::count_if(
            server.requests().begin(), server.requests().end(),
            [](const auto& request) { return !request.path().startsWith("/zov/usage"); });
        EXPECT_EQ(versionRequests, 4) << "the first request and three redirects";
    }
}

TEST_F(OnlineServicesTest, NeverRedirectsToAnotherScheme) {
    LoopbackServer other(LoopbackServer::answer("_tell"));
    const QByteArray port = QByteArray::number(other.address().port);
    for (const QByteArray& target :
         {"https://127.0.0.1:" + port + "/", "ftp://127.0.0.1:" + port + "/"}) {
        news.reset();
        LoopbackServer server(redirects(1, target));
        start(server.address());
        waitForCheck();
        EXPECT_EQ(*news, VersionNews::None) << target.constData();
    }
    EXPECT_EQ(other.connections(), 0);
}

struct NoticeCase {
    const char* name;
    QByteArray answer;
    QStringView button;
    QStringView notice;
    int result;
    bool opensDownloadPage;
    bool exits;

    friend void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }
};

const NoticeCase kNoticeCases[] = {
    {"NewVersionDownload", "_tell", kw::text::kDownloadLatest, kw::text::kNewVersionPublished, 1,
     true, false},
    {"NewVersionCancel", "_tell", kw::text::kCancel, kw::text::kNewVersionPublished, 2, false,
     false},
    {"WithdrawnDownload", "_must", kw::text::kDownloadLatest, kw::text::kVersionWithdrawn, 1, true,
     true},
    {"WithdrawnCancel", "_must", kw::text::kCancel, kw::text::kVersionWithdrawn, 2, false, true},
};

class Notices : public OnlineServicesTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(Notices, DialogButtonsAndTheExitStep) {
    LoopbackServer server(LoopbackServer::answer(GetParam().answer));
    start(server.address(), GetParam().button);
    waitForCheck();

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, kw::text::kNewVersionTitle);
    EXPECT_EQ(shown[0].heading, kw::text::kNewVersionTitle);
    EXPECT_EQ(shown[0].notice, GetParam().notice);
    EXPECT_EQ(shown[0].buttons,
              (QStringList{kw::text::kDownloadLatest.toString(), kw::text::kCancel.toString()}));
    EXPECT_EQ(shown[0].result, GetParam().result);
    EXPECT_EQ(opened, GetParam().opensDownloadPage ? std::vector<QUrl>{kw::downloadPageUrl()}
                                                   : std::vector<QUrl>{});
    // The exit step, when it comes, follows the closed dialog.
    EXPECT_EQ(exitAfterDialogs, GetParam().exits ? std::optional(1) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Online, Notices, ::testing::ValuesIn(kNoticeCases),
                         [](const ::testing::TestParamInfo<NoticeCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(OnlineServicesTest, NoticeIsAModalDialogOverTheWindow) {
    LoopbackServer server(LoopbackServer::answer("_must"));
    services.emplace(&window, server.address(), kw::RequestLimits{kDeadline});
    QObject::connect(&*services, &kw::OnlineServices::exitRequested,
                     [this] { exitAfterDialogs = static_cast<int>(shown.size()); });
    window.show();

    // The dialog runs its own event loop: the user answers it from there.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(dialog->parentWidget(), &window);
            EXPECT_FALSE(exitAfterDialogs.has_value()) << "no exit while the notice is open";
            shown.push_back({});
            dialog->reject();
        }
    });
    user.start(10);
    services->start();
    ASSERT_TRUE(
        kwtest::waitUntil([this] { return exitAfterDialogs.has_value(); }, kDeadline + kSlack));
    EXPECT_EQ(exitAfterDialogs, 1);
}

TEST_F(OnlineServicesTest, WindowGoneWhileTheNoticeIsOpen) {
    LoopbackServer server(LoopbackServer::answer("_must"));
    start(server.address());
    services->setDialogRunner([this](kw::NewVersionDialog&) {
        services.reset();
        shown.push_back({});
        return 2;
    });
    ASSERT_TRUE(kwtest::waitUntil([this] { return !shown.empty(); }, kDeadline + kSlack));
    QTest::qWait(50);
    EXPECT_FALSE(exitAfterDialogs.has_value());
}

TEST(VersionNews, OsVersionFromKernelText) {
    for (const auto& [text, major, minor] :
         {std::tuple{u"6.1.0-18-amd64", 6, 1}, std::tuple{u"5.15", 5, 15}, std::tuple{u"6", 6, 0},
          std::tuple{u"", 0, 0}, std::tuple{u"6.18rc1", 6, 18}}) {
        const kw::OsVersion os = kw::osVersionOf(text);
        EXPECT_EQ(std::pair(os.major, os.minor), std::pair(major, minor))
            << QStringView(text).toString().toStdString();
    }
}

} // namespace
