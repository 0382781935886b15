#pragma once

#include "TestServer.h"
#include "common/QueryConventions.h"

// For a page built on its own, without the main window: connects the query
// context to the test server and names the four test databases (realmd,
// mangos, characters, scriptdev2) as the connection page would. False when
// the connection fails.
bool connectToTestServer(QueryContext& context, const TestServer& server);

#include "GuiDriver.h"
#include "RecordingLinks.h"

#include <QTest>

#include <memory>

// A page built on its own, without the main window, with a stand-in for the
// window that records the cross-page calls the page makes.
template <class Page>
class StandalonePage {
public:
    explicit StandalonePage(GuiDriver& gui)
        : context(gui.dialogs) {}

    // Connects to the test server, builds and shows the page, lets the driver
    // work it and runs the page's show action. False when the connection
    // fails or the page is not shown.
    bool open(GuiDriver& gui, const TestServer& server) {
        if (!connectToTestServer(context, server))
            return false;
        page = std::make_unique<Page>(context, links);
        page->resize(750, 525);
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            return false;
        gui.attach(page.get());
        page->shown();
        return true;
    }

    RecordingLinks links;
    QueryContext context;
    std::unique_ptr<Page> page;
};
