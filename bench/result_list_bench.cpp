// Appends rows to a shown result list the way a search does: one row per turn of the event
// loop (append an empty record, set its name, set its folder), with a sort active, and
// with a row focused by the user early on.
//
//   result_list_bench [--rows N] [--sort none|name|path] [--filter] [--interval-ms N]
//
// --interval-ms spaces the appends as a search does at most (it pauses 1 ms per file);
// by default they follow each other as fast as the event loop turns.
// Prints the mean time of one append, the mean and longest turn of the event loop (the
// longest time the window could not answer the user), and checks that the focused record
// stayed focused. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "results/result_filter_proxy.h"
#include "results/result_grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

struct Options {
    int rows = 100000;
    int sortColumn = fif::TResultGrid::kPathColumn;
    bool filter = false;
    int intervalMs = 0;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rows" && i + 1 < argc) {
            options.rows = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--sort" && i + 1 < argc) {
            const std::string column = argv[++i];
            if (column == "none") options.sortColumn = -1;
            else if (column == "name") options.sortColumn = fif::TResultGrid::kFileNameColumn;
            else if (column == "path") options.sortColumn = fif::TResultGrid::kPathColumn;
            else return false;
        } else if (arg == "--interval-ms" && i + 1 < argc) {
            options.intervalMs = std::max(0, std::atoi(argv[++i]));
        } else if (arg == "--filter") {
            options.filter = true;
        } else {
            return false;
        }
    }
    return true;
}

// Names and folders in no particular order, so that each row lands somewhere in the middle
// of the sorted list.
struct Hit {
    std::string name;
    std::string folder;
};

Hit MakeHit(std::mt19937& random, int n) {
    std::uniform_int_distribution<int> folder(0, 4999);
    std::uniform_int_distribution<int> depth(1, 4);
    std::string path = "/home/user/projects/";
    const int levels = depth(random);
    for (int i = 0; i < levels; ++i) path += "dir" + std::to_string(folder(random)) + "/";
    return {"unit" + std::to_string((n * 7919) % 100003) + ".pas", path};
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: result_list_bench [--rows N] [--sort none|name|path] [--filter] [--interval-ms N]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    fif::TResultGrid grid;
    grid.resize(237, 344);
    grid.show();
    if (options.sortColumn >= 0) grid.sortByColumn(options.sortColumn, Qt::AscendingOrder);

    std::mt19937 random(12345);
    int appended = 0;
    int focusedRecord = -1;
    int focusChanges = 0;
    QObject::connect(&grid, &fif::TResultGrid::FocusedRecordChanged, [&](int) { ++focusChanges; });

    // The list shows new rows in batches; the time of those announcements belongs to the
    // appends as much as the calls themselves.
    double announceMicros = 0;
    double longestAnnounceMicros = 0;
    int announcements = 0;
    QElapsedTimer announceClock;
    const QAbstractItemModel* store = grid.Proxy().sourceModel();
    QObject::connect(store, &QAbstractItemModel::rowsAboutToBeInserted, [&] { announceClock.start(); });
    QObject::connect(store, &QAbstractItemModel::rowsInserted, [&] {
        const double micros = announceClock.nsecsElapsed() / 1000.0;
        announceMicros += micros;
        longestAnnounceMicros = std::max(longestAnnounceMicros, micros);
        ++announcements;
    });

    double appendMicros = 0;
    double phaseMicros[3] = {0, 0, 0};  // running sums up to the end of each step
    double longestAppendMicros = 0;
    double longestTurnMicros = 0;
    QElapsedTimer turnClock;
    QElapsedTimer total;
    QTimer pump;
    pump.setInterval(options.intervalMs);
    pump.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pump, &QTimer::timeout, [&] {
        // From one tick to the next: this append and whatever else the loop did in between
        // (painting above all).
        if (turnClock.isValid()) longestTurnMicros = std::max(longestTurnMicros, turnClock.nsecsElapsed() / 1000.0);
        turnClock.start();
        if (appended == options.rows && store->rowCount() == grid.RecordCount()) {
            pump.stop();
            app.quit();
            return;
        }
        if (appended == options.rows) return;  // waits for the last announcement
        const Hit hit = MakeHit(random, appended);
        QElapsedTimer clock;
        clock.start();
        grid.AppendRecord();
        phaseMicros[0] += clock.nsecsElapsed() / 1000.0;
        const int record = grid.RecordCount() - 1;
        grid.SetValue(record, 0, hit.name);
        phaseMicros[1] += clock.nsecsElapsed() / 1000.0;
        grid.SetValue(record, 1, hit.folder);
        const double micros = clock.nsecsElapsed() / 1000.0;
        phaseMicros[2] += micros;
        appendMicros += micros;
        longestAppendMicros = std::max(longestAppendMicros, micros);
        ++appended;

        if (appended == 1000) {
            // The user focuses a row while the search goes on, and may filter the list.
            grid.ShowAppendedRecords();
            const QModelIndex row = grid.model()->index(500, 0);
            grid.selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            focusedRecord = grid.FocusedRecord();
            if (options.filter) {
                grid.SetColumnFilter(fif::TResultGrid::kFileNameColumn,
                                     {QString::fromStdString(grid.Value(focusedRecord, 0))});
            }
        }
    });
    total.start();
    pump.start();
    app.exec();
    const double seconds = total.nsecsElapsed() / 1e9;

    const bool focusKept = grid.FocusedRecord() == focusedRecord && focusChanges == 1;
    std::printf("rows=%d interval=%d ms sort=%s filter=%s\n", options.rows, options.intervalMs,
                options.sortColumn < 0 ? "none" : (options.sortColumn == 0 ? "name" : "path"),
                options.filter ? "yes" : "no");
    std::printf("mean append: %.1f us, longest append: %.1f us\n", appendMicros / appended, longestAppendMicros);
    std::printf("  of which AppendRecord %.1f us, SetValue(name) %.1f us, SetValue(folder) %.1f us\n",
                phaseMicros[0] / appended, (phaseMicros[1] - phaseMicros[0]) / appended,
                (phaseMicros[2] - phaseMicros[1]) / appended);
    std::printf("announcements: %d, mean %.1f us, longest %.1f us; mean append with its share of them: %.1f us\n",
                announcements, announcements ? announceMicros / announcements : 0.0, longestAnnounceMicros,
                (appendMicros + announceMicros) / appended);
    std::printf("mean turn of the event loop: %.1f us, longest gap in event processing: %.1f us\n",
                seconds * 1e6 / appended, longestTurnMicros);
    std::printf("total: %.2f s, rows shown: %d, focus kept on record %d: %s\n", seconds, grid.RowsShown(),
                focusedRecord, focusKept ? "yes" : "NO");
    return focusKept ? 0 : 1;
}
