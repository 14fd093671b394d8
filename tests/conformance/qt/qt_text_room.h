// How much room a Qt widget of the program gives its text, and how much its text takes, as the
// widget's style lays it out when it paints.
#pragma once

#include <QWidget>

#include "conformance/program_driver.h"

namespace quantaro::testing {

WindowDriver::TextRoom textRoomOf(const QWidget& widget);

}  // namespace quantaro::testing
