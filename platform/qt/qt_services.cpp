#include "qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QTime>
#include <QTimer>
#include <QUrl>

namespace vib {

NumberLocale UserNumberLocale() {
    const QLocale locale;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    NumberLocale result;
    // Separators outside ASCII (for example a narrow no-break space) have no byte of
    // their own; the input rules then fall back to the plain characters.
    if (decimal.size() == 1 && decimal[0].unicode() < 128) result.decimal = decimal[0].toLatin1();
    if (group.size() == 1 && group[0].unicode() < 128)
        result.group = group[0].toLatin1();
    else if (result.decimal == ',')
        result.group = '.';
    if (result.group == result.decimal) result.group = result.decimal == ',' ? '.' : ',';
    return result;
}

double QtClock::SecondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string QtClock::TimeText() const {
    return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

std::string QtClock::DateText() const {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

QtPeriodicTimer::QtPeriodicTimer(QObject* owner, const char* objectName)
    : timer_(new QTimer(owner)) {
    timer_->setObjectName(objectName);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        if (tick_) tick_();
    });
}

QtPeriodicTimer::~QtPeriodicTimer() {
    // The owner may already have deleted the timer with its other children.
    delete timer_.data();
}

void QtPeriodicTimer::Start(int milliseconds, std::function<void()> tick) {
    tick_ = std::move(tick);
    if (timer_) timer_->start(milliseconds);
}

void QtPeriodicTimer::Stop() {
    if (timer_) timer_->stop();
}

bool QtDocumentViewer::Open(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtProgramEnd::EndNow() {
    QCoreApplication::exit(0);
}

void QtClipboard::Clear() {
    QApplication::clipboard()->clear();
}

void QtClipboard::SetImage(const QImage& image) {
    QApplication::clipboard()->setImage(image);
}

void QtClipboard::SetText(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::Text() {
    return QApplication::clipboard()->text().toStdString();
}

}  // namespace vib
