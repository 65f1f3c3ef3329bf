// SPDX-License-Identifier: GPL-3.0-or-later
// The game state's marker lists: keyed, insertion-ordered, created on first
// use, emptied but kept by a new maze, keyed by a counter that never resets.

#include <QtTest>
#include <vector>

#include "core/color.h"
#include "core/mazestate.h"
#include "support/testmain.h"

using namespace pathwick;

namespace {

bool ListsExist(const MazeState& state, int x, int y) {
    return state.MarkerXs.Exists(x, y) && state.MarkerYs.Exists(x, y) &&
           state.MarkerColors.Exists(x, y);
}

bool AnyListExists(const MazeState& state, int x, int y) {
    return state.MarkerXs.Exists(x, y) || state.MarkerYs.Exists(x, y) ||
           state.MarkerColors.Exists(x, y);
}

template <typename T>
std::vector<T> Values(const KeyedList<T>& list) {
    return {list.Items().begin(), list.Items().end()};
}

}  // namespace

class TestMazeState : public QObject {
    Q_OBJECT

private slots:
    void untouchedCellHasNoMarkersAndNoLists() {
        const MazeState state;
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                QCOMPARE(state.MarkerCount(x, y), 0);
                QVERIFY(!AnyListExists(state, x, y));
                QVERIFY(state.MarkerXs.Find(x, y) == nullptr);
            }
        }
    }

    void touchingACellCreatesItsThreeListsEmpty() {
        MazeState state;
        const CellMarkers cell = state.Markers(4, 9);
        QCOMPARE(cell.Count(), 0);
        QCOMPARE(cell.MarkerYs.Count(), 0);
        QCOMPARE(cell.MarkerColors.Count(), 0);
        QVERIFY(ListsExist(state, 4, 9));
        // Only that cell: its mirror image and its neighbours stay untouched.
        QVERIFY(!AnyListExists(state, 9, 4));
        QVERIFY(!AnyListExists(state, 5, 9));
        QVERIFY(!AnyListExists(state, 4, 10));
    }

    void addMarkerStoresPositionAndColourUnderOneKey() {
        MazeState state;
        MarkerKeyCounter keys;
        QVERIFY(AddMarker(state, keys, 25, 25, 2070, -3, kMagenta));
        const CellMarkers cell = state.Markers(25, 25);
        QCOMPARE(cell.Count(), 1);
        QCOMPARE(cell.MarkerXs.Items()[0], std::int16_t(2070));
        QCOMPARE(cell.MarkerYs.Items()[0], std::int16_t(-3));
        QCOMPARE(cell.MarkerColors.Items()[0], kMagenta);
        QVERIFY(cell.MarkerXs.Contains(1));
        QVERIFY(cell.MarkerYs.Contains(1));
        QVERIFY(cell.MarkerColors.Contains(1));
    }

    void addMarkerUsesKeysOneTwoThreeAcrossCells() {
        MazeState state;
        MarkerKeyCounter keys;
        QCOMPARE(keys.Last(), MarkerKey(0));
        QVERIFY(AddMarker(state, keys, 1, 1, 10, 10, kWhite));
        QVERIFY(AddMarker(state, keys, 2, 1, 20, 20, kBlack));
        QVERIFY(AddMarker(state, keys, 1, 1, 30, 30, kCyan));
        QCOMPARE(keys.Last(), MarkerKey(3));
        const CellMarkers first = state.Markers(1, 1);
        const CellMarkers second = state.Markers(2, 1);
        QVERIFY(first.MarkerXs.Contains(1));
        QVERIFY(!first.MarkerXs.Contains(2));
        QVERIFY(first.MarkerXs.Contains(3));
        QVERIFY(second.MarkerXs.Contains(2));
        QCOMPARE(second.Count(), 1);
    }

    void markersKeepTheirInsertionOrder() {
        MazeState state;
        MarkerKeyCounter keys;
        const std::int16_t xs[] = {300, 100, 200, 100};
        const std::int16_t ys[] = {7, 9, 8, 9};
        const Color colours[] = {kBlack, kWhite, kMagenta, kCyan};
        for (int i = 0; i < 4; ++i)
            QVERIFY(AddMarker(state, keys, 12, 13, xs[i], ys[i], colours[i]));
        const CellMarkers cell = state.Markers(12, 13);
        QCOMPARE(Values(cell.MarkerXs), (std::vector<std::int16_t>{300, 100, 200, 100}));
        QCOMPARE(Values(cell.MarkerYs), (std::vector<std::int16_t>{7, 9, 8, 9}));
        QCOMPARE(Values(cell.MarkerColors), (std::vector<Color>{kBlack, kWhite, kMagenta, kCyan}));
    }

    // Each row adds keys in turn; a key the list holds already is refused and
    // leaves the list as it was.
    void keyedListRefusesAKeyItHolds_data() {
        QTest::addColumn<QList<qint64>>("keys");
        QTest::addColumn<QList<bool>>("accepted");
        QTest::newRow("same key twice") << QList<qint64>{5, 5} << QList<bool>{true, false};
        QTest::newRow("rising keys, an old one again")
            << QList<qint64>{1, 2, 3, 2, 1, 3, 4}
            << QList<bool>{true, true, true, false, false, false, true};
        QTest::newRow("a gap filled later")
            << QList<qint64>{1, 3, 2, 2, 3} << QList<bool>{true, true, true, false, false};
        QTest::newRow("falling keys") << QList<qint64>{9, 5, 2, 5, 9, 2, 7}
                                      << QList<bool>{true, true, true, false, false, false, true};
        QTest::newRow("mixed order")
            << QList<qint64>{4, 10, 1, 7, 10, 4, 1, 7, 11}
            << QList<bool>{true, true, true, true, false, false, false, false, true};
        QTest::newRow("keys beyond 16 bits")
            << QList<qint64>{32767, 32768, 65536, 32768, 2147483648LL, 65536}
            << QList<bool>{true, true, true, false, true, false};
    }
    void keyedListRefusesAKeyItHolds() {
        QFETCH(QList<qint64>, keys);
        QFETCH(QList<bool>, accepted);
        KeyedList<std::int16_t> list;
        std::vector<std::int16_t> expectedValues;
        for (int i = 0; i < keys.size(); ++i) {
            const auto value = static_cast<std::int16_t>(100 + i);
            QCOMPARE(list.Add(keys[i], value), accepted[i]);
            if (accepted[i]) expectedValues.push_back(value);
            QCOMPARE(Values(list), expectedValues);
        }
        for (qint64 key : keys) QVERIFY(list.Contains(key));
    }

    void removeAllEmptiesAListForFreshKeys() {
        KeyedList<Color> list;
        QVERIFY(list.Add(3, kCyan));
        QVERIFY(list.Add(1, kBlack));
        list.RemoveAll();
        QCOMPARE(list.Count(), 0);
        QVERIFY(!list.Contains(3));
        // The emptied list takes any key again, in any order.
        QVERIFY(list.Add(2, kWhite));
        QVERIFY(list.Add(3, kMagenta));
        QVERIFY(!list.Add(2, kBlack));
        QCOMPARE(Values(list), (std::vector<Color>{kWhite, kMagenta}));
    }

    void emptyMarkersKeepsTheListsAndEmptiesThem() {
        MazeState state;
        MarkerKeyCounter keys;
        QVERIFY(AddMarker(state, keys, 3, 3, 1, 1, kWhite));
        QVERIFY(AddMarker(state, keys, 3, 3, 2, 2, kBlack));
        QVERIFY(AddMarker(state, keys, 25, 1, 3, 3, kCyan));
        state.Markers(7, 7);  // touched, never filled
        state.EmptyMarkers();
        for (auto [x, y] : {std::pair{3, 3}, std::pair{25, 1}, std::pair{7, 7}}) {
            QVERIFY(ListsExist(state, x, y));
            QCOMPARE(state.MarkerXs.Find(x, y)->Count(), 0);
            QCOMPARE(state.MarkerYs.Find(x, y)->Count(), 0);
            QCOMPARE(state.MarkerColors.Find(x, y)->Count(), 0);
        }
    }

    void keyCounterContinuesAfterEmptyMarkers() {
        MazeState state;
        MarkerKeyCounter keys;
        QVERIFY(AddMarker(state, keys, 5, 5, 1, 1, kWhite));
        QVERIFY(AddMarker(state, keys, 5, 5, 2, 2, kWhite));
        state.EmptyMarkers();
        QVERIFY(AddMarker(state, keys, 5, 5, 3, 3, kBlack));
        QCOMPARE(keys.Last(), MarkerKey(3));
        const CellMarkers cell = state.Markers(5, 5);
        QCOMPARE(cell.Count(), 1);
        QVERIFY(cell.MarkerXs.Contains(3));
        QVERIFY(!cell.MarkerXs.Contains(1));
        QCOMPARE(cell.MarkerXs.Items()[0], std::int16_t(3));
    }

    // A run may drop more markers than a 16-bit counter can count; every one
    // of them still gets its own key and stays, also past the point where a
    // 16-bit key would come round to 1 again.
    void moreThan32767MarkersInOneRunAllStay() {
        MazeState state;
        MarkerKeyCounter keys;
        constexpr int kMarkers = 70000;
        for (int i = 0; i < kMarkers; ++i) {
            const int x = 1 + i % 2;  // two cells take turns
            if (!AddMarker(state, keys, x, 1, static_cast<std::int16_t>(i % 30000), 0, kWhite))
                QFAIL(qPrintable(QStringLiteral("marker %1 was refused").arg(i + 1)));
        }
        QCOMPARE(qint64(keys.Last()), qint64(kMarkers));
        QCOMPARE(state.MarkerCount(1, 1), kMarkers / 2);
        QCOMPARE(state.MarkerCount(2, 1), kMarkers / 2);
        QVERIFY(state.Markers(1, 1).MarkerXs.Contains(32769));
        QVERIFY(state.Markers(1, 1).MarkerXs.Contains(65537));
        QVERIFY(state.Markers(2, 1).MarkerColors.Contains(kMarkers));
        // Markers keep their order past the 16-bit mark.
        const auto xs = state.Markers(1, 1).MarkerXs.Items();
        for (std::size_t i = 1; i < xs.size(); ++i)
            if (xs[i] != (xs[i - 1] + 2) % 30000)
                QFAIL(qPrintable(QStringLiteral("entry %1 out of order").arg(i)));
    }
};

PATHWICK_TEST_CLASS(TestMazeState)
#include "test_mazestate.moc"
