#pragma once

namespace peglore {

// The Level menu's radio group.
class ILevelMenuPort {
public:
    // Puts the check mark on the item of Level (0 to 3).
    virtual void CheckLevelItem(int Level) = 0;

protected:
    ~ILevelMenuPort() = default;
};

}  // namespace peglore
