// SPDX-License-Identifier: GPL-3.0-or-later
// What a real window manager does to the main window, sent the way a desktop sends it: the close
// button. The window manager's own decisions on sizes, maximising and activation meet the window
// in the other window tests once scripts/test-lane.sh runs them under one.

#include <QGuiApplication>
#include <cstdlib>

#include "support/testmain.h"
#include "support/testwindow.h"

#ifdef PATHWICK_HAVE_XCB
#include <xcb/xcb.h>
#endif

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kExitQuestion = QStringLiteral("Are you sure you want to exit Pathwick!?");

#ifdef PATHWICK_HAVE_XCB
// Asks the X11 window manager to close window, as its close button or a taskbar does
// (_NET_CLOSE_WINDOW). False when there is no window manager or the request could not be sent.
bool AskWindowManagerToClose(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return false;
    xcb_connection_t* connection = x11->connection();
    const QByteArray name("_NET_CLOSE_WINDOW");
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr);
    if (!atom) return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = atom->atom;
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = 2;  // sent for the user by a desktop tool
    std::free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    return xcb_flush(connection) > 0;
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
};

PATHWICK_TEST_CLASS(TestWindowManager)
#include "test_windowmanager.moc"
