#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace fif {
namespace {

std::function<void(const QString&)>& TestBox() {
    static std::function<void(const QString&)> box;
    return box;
}

}  // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message) {
    const QString text = ErrorBoxText(message);
    if (TestBox()) {
        TestBox()(text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text, QMessageBox::Ok);
}

void ShowCurrentFailure() {
    try {
        throw;
    } catch (const std::exception& failure) {
        ShowErrorBox(QString::fromUtf8(failure.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
}

void SetErrorBoxForTesting(std::function<void(const QString&)> box) { TestBox() = std::move(box); }

}  // namespace fif
