// Errors of the serial link and of the meter's commands. Each carries only
// its message text, already translated and formatted.
#pragma once

#include "core/Errors.h"

namespace gd {

// Base of the link's own failures; never thrown itself.
class ESerialError : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

// No (or not enough) input within the receive time-out.
class ESerialRecTIME : public ESerialError {
 public:
  using ESerialError::ESerialError;
};

// A line error reported by the port after a receive wait, or a block whose
// checksum stays wrong after every retry.
class ESerialRecTRANS : public ESerialError {
 public:
  using ESerialError::ESerialError;
};

// The transmit queue did not drain in time.
class ESerialSendTIME : public ESerialError {
 public:
  using ESerialError::ESerialError;
};

// Port index invalid, port cannot be opened, or port closed when a command
// is sent.
class EComPortFAIL : public ESerialError {
 public:
  using ESerialError::ESerialError;
};

// The user stopped a running transfer; the port is closed when this is thrown.
class ESerialCancelled : public ESerialError {
 public:
  using ESerialError::ESerialError;
};

// A command started while another one runs or the mode is being switched.
class ECommandOverlapped : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

// The meter's firmware is older than an operation needs.
class EVersionNotSupportet : public EGaugData {
 public:
  using EGaugData::EGaugData;
};

}  // namespace gd
