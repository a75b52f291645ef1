// A Qt timer as the forms' timer device.
#pragma once

#include <QTimer>

#include "forms/controls.h"

namespace movra::qt {

class QtTimer : public QTimer, public forms::TimerDevice {
public:
    explicit QtTimer(QObject* parent) : QTimer(parent) {}
    // start() restarts a running timer from now, with the new interval.
    void Set(int intervalMs) override { start(intervalMs); }
    void Kill() override { stop(); }
};

}  // namespace movra::qt
