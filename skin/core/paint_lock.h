#pragma once

namespace skin {

// The process-wide repaint lock: 0 at start, raised and lowered in pairs. While it is above zero, materials
// do not report changes, control types and properties objects do not repaint, and controls ignore material
// changes outside design mode. Main thread only.
extern int PaintLockCount;

// Holds the repaint lock for its lifetime.
class TPaintLock {
public:
    TPaintLock() { ++PaintLockCount; }
    ~TPaintLock() { --PaintLockCount; }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;
};

}  // namespace skin
