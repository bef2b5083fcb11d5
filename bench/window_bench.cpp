// A search through the real window, offscreen: 20,000 candidates with a hit in every
// second file. Prints the time from Find to the end of the search against the paced
// budget (candidates x 1 ms plus the engine's unpaced time) and the longest time the
// user-interface thread went without handling events.
//
//   window_bench [CANDIDATES]

#include "app/Form1.h"
#include "app/application.h"
#include "headless_host.h"
#include "platform/code_page.h"
#include "search/MyThread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

double UnpacedEngineSeconds(const QString& root) {
    fif::bench::HeadlessHost host(fif::codepage::ToWide(root.toStdString()), true);
    bool finished = false;
    fif::TMyThread::Options options;
    options.pauseAfterFile = std::chrono::milliseconds(0);
    QElapsedTimer clock;
    clock.start();
    new fif::TMyThread(host, "*.pas", "needle", [&](fif::TThread*) { finished = true; }, options);
    host.dispatcher_->ProcessUntil([&] { return finished; });
    fif::TThread::WaitForAllThreads();
    return clock.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int candidates = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QString desktop = home.filePath(QStringLiteral("Desktop"));
    QDir().mkpath(desktop);
    for (int i = 0; i < candidates; ++i) {
        QFile file(QStringLiteral("%1/f%2.pas").arg(desktop).arg(i));
        file.open(QIODevice::WriteOnly);
        file.write(i % 2 == 0 ? "unit a;\nbegin needle end.\n" : "unit b;\nbegin end.\n");
    }

    fif::TApplication application(argc, argv);
    const double unpaced = UnpacedEngineSeconds(desktop);

    fif::TForm1 window;
    window.show();
    window.SearchEdit->setText(QStringLiteral("needle"));

    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        sinceTick.restart();
    });

    QElapsedTimer clock;
    QTimer::singleShot(0, [&] {
        clock.start();
        sinceTick.start();
        ticker.start();
        window.Button1Click();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clock.isValid() && window.cxButton2->isEnabled()) application.quit();
    });
    poll.start(5);
    application.exec();

    const double seconds = clock.nsecsElapsed() / 1e9;
    const double budget = candidates * 0.001 + unpaced;
    std::printf("candidates=%d rows=%d seconds=%.3f unpaced=%.3f budget=%.3f ratio=%.3f longest_gap_ms=%lld\n",
                candidates, window.ResultView().RecordCount(), seconds, unpaced, budget, seconds / budget,
                static_cast<long long>(longestGapMs));
    return seconds <= budget * 1.10 && longestGapMs < 50 ? 0 : 1;
}
