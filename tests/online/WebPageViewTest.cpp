#include "online/WebPageView.h"

#include "LoopbackServer.h"
#include "WaitUntil.h"
#include "texts/OnlineTexts.h"

#include <QElapsedTimer>
#include <QStringEncoder>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using kwtest::LoopbackServer;
using namespace std::chrono_literals;

namespace {

constexpr auto kDeadline = 400ms;

class WebPageViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        qunsetenv("http_proxy");
        qunsetenv("HTTP_PROXY");
    }

    // Creates the page view against `server` and waits for its one fetch.
    void show(const kw::ServerAddress& server) {
        clock.start();
        view.emplace(nullptr, server, kw::RequestLimits{kDeadline});
        QObject::connect(&*view, &kw::WebPageView::fetchEnded, [this](bool s) { shown = s; });
        view->resize(300, 60);
        view->show();
        ASSERT_TRUE(kwtest::waitUntil([this] { return shown.has_value(); }, 2s));
        fetchMs = clock.elapsed();
    }

    std::optional<kw::WebPageView> view;
    std::optional<bool> shown;
    QElapsedTimer clock;
    qint64 fetchMs = 0;
};

TEST_F(WebPageViewTest, ShowsThePage) {
    LoopbackServer server(LoopbackServer::answer(
        "<html><body><p>每天听一句</p><a href=\"http://elsewhere/\">more</a></body></html>", 200,
        "Content-Type: text/html; charset=utf-8\r\n"));
    show(server.address());

    EXPECT_TRUE(*shown);
    EXPECT_EQ(view->toPlainText(), QStringLiteral("每天听一句\nmore"));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].line, "GET /zov/ad.htm HTTP/1.1");
    EXPECT_EQ(view->objectName(), QStringLiteral("ZOV_HTMLPage"));
}

TEST_F(WebPageViewTest, DecodesByDeclaredCharset) {
    const QByteArray gbk = QStringEncoder("GBK").encode(u"<p>每天听一句</p>");
    for (const QByteArray& headers : {QByteArray("Content-Type: text/html; charset=GBK\r\n"),
                                      QByteArray("Content-Type: text/html\r\n")}) {
        const QByteArray body =
            headers.contains("charset")
                ? gbk
                : "<html><head><meta charset=\"gb2312\"></head><body>" + gbk + "</body></html>";
        LoopbackServer server(LoopbackServer::answer(body, 200, headers));
        shown.reset();
        show(server.address());
        EXPECT_EQ(view->toPlainText(), QStringLiteral("每天听一句")) << headers.constData();
    }
}

TEST_F(WebPageViewTest, LoadsNothingBeyondThePage) {
    LoopbackServer server(LoopbackServer::answer(""));
    const QByteArray port = QByteArray::number(server.address().port);
    LoopbackServer page(LoopbackServer::answer("<img src=\"http://127.0.0.1:" + port +
                                               "/pic.png\"><img src=\"file:///etc/hostname\">"
                                               "<p>text</p>"));
    show(page.address());
    QTest::qWait(100);
    EXPECT_TRUE(*shown);
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(page.requests().size(), 1);
}

TEST_F(WebPageViewTest, ReadsAtMost64KiB) {
    const QByteArray big = "<p>" + QByteArray("word ").repeated(2 * 1024 * 1024) + "</p>";
    LoopbackServer server(LoopbackServer::answer(big));
    show(server.address());
    EXPECT_TRUE(*shown);
    // All of the first 64 KiB but "<p>" is text.
    EXPECT_EQ(view->toPlainText().size(), 64 * 1024 - 3);
}

struct FailureCase {
    const char* name;
    std::function<kw::ServerAddress(std::optional<LoopbackServer>&)> server;

    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

const FailureCase kFailures[] = {
    {"ServerDown",
     [](auto&) {
         return kwtest::closedPort();
     }},
    {"NotFound",
     [](auto& s) {
         return s.emplace(LoopbackServer::answer("<p>gone</p>", 404)).address();
     }},
    {"NeverAnswers",
     [](auto& s) {
         return s.emplace(LoopbackServer::silent()).address();
     }},
    {"EmptyPage",
     [](auto& s) {
         return s.emplace(LoopbackServer::answer("")).address();
     }},
};

class PageFailure : public WebPageViewTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PageFailure, LeavesTheQuietPlaceholder) {
    std::optional<LoopbackServer> server;
    show(GetParam().server(server));
    EXPECT_FALSE(*shown);
    EXPECT_TRUE(view->toPlainText().isEmpty());
    EXPECT_EQ(view->placeholderText(), kw::text::kPagePlaceholder);
    EXPECT_LT(fetchMs, (kDeadline + 600ms).count());
}

INSTANTIATE_TEST_SUITE_P(Online, PageFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(WebPageViewTest, GoesAwayWhileFetching) {
    LoopbackServer server(LoopbackServer::silent());
    view.emplace(nullptr, server.address(), kw::RequestLimits{kDeadline});
    ASSERT_TRUE(kwtest::waitUntil([&] { return server.requests().size() == 1; }, 2s));
    view.reset();
    QTest::qWait(kDeadline.count() + 100);
}

} // namespace
