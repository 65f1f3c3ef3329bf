// SPDX-License-Identifier: GPL-3.0-or-later
// What a real window manager does to the main window, sent the way a desktop sends it: the close
// button, and the maximise and restore buttons. The window manager's own decisions on sizes,
// maximising and activation meet the window in the other window tests once scripts/test-lane.sh
// runs them under one.

#include <QGuiApplication>
#include <cstdlib>

#include "support/desktopsize.h"
#include "support/testmain.h"
#include "support/testwindow.h"

#ifdef PATHWICK_HAVE_XCB
#include <xcb/xcb.h>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#endif

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kExitQuestion = QStringLiteral("Are you sure you want to exit Pathwick!?");
constexpr std::uint32_t kSentForTheUser = 2;  // the source of a request sent by a desktop tool

#ifdef PATHWICK_HAVE_XCB
// The X11 connection, or none on another platform.
xcb_connection_t* Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

std::uint32_t Atom(const char* name) {
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 0, std::strlen(name), name), nullptr);
    const std::uint32_t found = atom ? atom->atom : std::uint32_t{XCB_ATOM_NONE};
    std::free(atom);
    return found;
}

// Asks the X11 window manager, as its buttons or a taskbar do, to do what the message type (an
// atom's name) and its data say with window. False when there is no window manager or the
// request could not be sent.
bool AskWindowManager(QWidget& window, const char* type,
                      std::initializer_list<std::uint32_t> data) {
    if (!Connection()) return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = Atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
    xcb_send_event(Connection(), 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    return message.type != XCB_ATOM_NONE && xcb_flush(Connection()) > 0;
}

// _NET_CLOSE_WINDOW: the close button.
bool AskWindowManagerToClose(QWidget& window) {
    return AskWindowManager(window, "_NET_CLOSE_WINDOW", {XCB_CURRENT_TIME, kSentForTheUser});
}

// _NET_WM_STATE: the maximise button (add) and the restore button (remove).
bool AskWindowManagerToMaximise(QWidget& window, bool maximise) {
    return Connection() &&
           AskWindowManager(window, "_NET_WM_STATE",
                            {maximise ? 1u : 0u, Atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                             Atom("_NET_WM_STATE_MAXIMIZED_HORZ"), kSentForTheUser});
}
#endif

}  // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

private slots:
    void closeButtonOfAnX11WindowManagerAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the window") << false;
        QTest::newRow("Yes closes it") << true;
    }
    void closeButtonOfAnX11WindowManagerAsksFirst() {
        QFETCH(bool, yes);
#ifdef PATHWICK_HAVE_XCB
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the close button is the X11 window manager's; here the window has none");
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.dialogs.answers = {yes};
        QVERIFY(AskWindowManagerToClose(*w));

        QTRY_COMPARE(w.dialogs.Count(QStringLiteral("question")), 1);
        QCOMPARE(w.dialogs.shown.last().text, kExitQuestion);
        if (yes) {
            QTRY_VERIFY(!w->isVisible());
        } else {
            Settle();
            QVERIFY(w->isVisible());
            QCOMPARE(w.dialogs.Count(QStringLiteral("question")), 1);
        }
#else
        Q_UNUSED(yes);
        QSKIP("built without the X11 client library (libxcb1-dev)");
#endif
    }

    void maximiseButtonOfAnX11WindowManagerFillsTheScreen() {
#ifdef PATHWICK_HAVE_XCB
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the maximise button is the X11 window manager's; here the window has none");
        TestWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QSize designed = w->size();
        const QList<QRect> places = ControlPlaces(*w, *w->centralWidget());

        QVERIFY(AskWindowManagerToMaximise(*w, true));
        QVERIFY(WaitUntilDesktopSized(*w, Qt::WindowMaximized));
        QCOMPARE(ControlPlaces(*w, *w->centralWidget()), places);
        QVERIFY(AskWindowManagerToMaximise(*w, false));
        QVERIFY(WaitUntilNormal(*w, designed));
        QCOMPARE(ControlPlaces(*w, *w->centralWidget()), places);
#else
        QSKIP("built without the X11 client library (libxcb1-dev)");
#endif
    }
};

PATHWICK_TEST_CLASS(TestWindowManager)
#include "test_windowmanager.moc"
