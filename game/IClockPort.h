#pragma once

namespace peglore {

class IClockPort {
public:
    virtual void ResetClock() = 0;

protected:
    ~IClockPort() = default;
};

}  // namespace peglore
