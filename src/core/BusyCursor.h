#pragma once
#include <QCursor>
#include <QGuiApplication>

// Shows the hourglass for as long as it lives, so that every way out of a long piece of
// work (a return, an exception) restores the normal pointer.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
