// Times the preview on a large file, as the window would use it.
//
//   QT_QPA_PLATFORM=offscreen preview_bench
//
// Writes a 100 MB text file of 2,000,000 lines into a fresh temporary folder (removed at
// the end), then reports in milliseconds:
//   load+select   ShowRecord with a search text whose only occurrence is on the last line
//   first paint   drawing the viewer once after that
//   find-next     from an occurrence on line 1 to the next one 1,000,000 lines below
//   pascal        load+select+paint again with the Pascal style
//   pascal idle   the idle time until the lines above the shown ones are coloured
// Limits: load+select under 1000 ms, find-next under 200 ms. Exit code 1 when missed.

#include "results/adv_memo.h"
#include "results/preview_pane.h"
#include "results/style_catalogue.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

constexpr int kLines = 2'000'000;
constexpr int kLineBytes = 50;  // with its LF: 2,000,000 lines make 100 MB
constexpr int kMarkerLines[] = {0, 1'000'000};

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Every line is 49 bytes and an LF; "marker" on lines 1 and 1,000,001, "needle" on the last.
void WriteLargeFile(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    std::string line;
    for (int number = 0; number < kLines; ++number) {
        line = "line " + std::to_string(number) + " begin x := y + 1; end;";
        if (number == kMarkerLines[0] || number == kMarkerLines[1]) line += " marker";
        if (number == kLines - 1) line += " needle";
        line.resize(kLineBytes - 1, ' ');
        line += '\n';
        out << line;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    char pattern[] = "/tmp/preview_bench.XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path dir(pattern);
    const std::string folder = dir.string() + "/";
    WriteLargeFile(dir / "large.txt");
    std::filesystem::copy_file(dir / "large.txt", dir / "large.pas");
    std::printf("file: %d lines, %.1f MB\n", kLines, std::filesystem::file_size(dir / "large.txt") / 1e6);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* findNextEdit = new QLineEdit(&window);
    auto* memo = new fif::TAdvMemo(&window);
    layout->addWidget(findNextEdit);
    layout->addWidget(memo, 1);
    window.resize(900, 500);
    window.show();
    QApplication::processEvents();

    QObject styles;
    fif::TAdvCustomMemoStyler* pascal = fif::CreateStyleCatalogue(&styles)[0];
    QString status;
    fif::TPreviewPane pane(
        memo, findNextEdit, [pascal](std::string_view ext) { return ext == ".pas" ? pascal : nullptr; },
        [&status](const QString& text) { status = text; });
    QObject::connect(memo, &fif::TAdvMemo::CursorChange, [&pane] { pane.CursorChanged(); });

    const double load = Milliseconds([&] { pane.ShowRecord("large.txt", folder, QStringLiteral("needle")); });
    const bool lastLine = memo->CursorLine() == kLines - 1;
    const double paint = Milliseconds([&] { memo->viewport()->repaint(); });
    std::printf("load+select   %8.1f ms  (status \"%s\")\n", load, qPrintable(status));
    std::printf("first paint   %8.1f ms\n", paint);

    findNextEdit->setText(QStringLiteral("marker"));
    memo->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
    pane.FindNext();
    const bool onFirst = memo->CursorLine() == kMarkerLines[0];
    const double findNext = Milliseconds([&] { pane.FindNext(); });
    const bool onSecond = memo->CursorLine() == kMarkerLines[1];
    std::printf("find-next     %8.1f ms  (status \"%s\")\n", findNext, qPrintable(status));

    const double styled = Milliseconds([&] {
        pane.ShowRecord("large.pas", folder, QStringLiteral("needle"));
        memo->viewport()->repaint();
    });
    const bool styledLastLine = memo->CursorLine() == kLines - 1;
    std::printf("pascal        %8.1f ms  load+select+paint with the Pascal style\n", styled);
    // The text above the shown lines is coloured in idle time, the window answering between.
    const long length = memo->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const double coloured = Milliseconds([&] {
        while (memo->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < length) QApplication::processEvents();
    });
    std::printf("pascal idle   %8.1f ms  until the shown lines are coloured\n", coloured);

    std::filesystem::remove_all(dir);
    const bool found = lastLine && onFirst && onSecond && styledLastLine;
    if (!found) std::printf("a find went wrong\n");
    const bool fast = load < 1000 && findNext < 200;
    std::printf("%s\n", found && fast ? "ok" : "TOO SLOW OR WRONG");
    return found && fast ? 0 : 1;
}
