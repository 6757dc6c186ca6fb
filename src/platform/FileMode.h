#pragma once

#include <QFileDevice>

#include <sys/types.h>

// The system's permission bits and Qt's names for them.
namespace FileMode {

QFileDevice::Permissions Permissions(mode_t mode);
mode_t Mode(QFileDevice::Permissions permissions);

} // namespace FileMode
