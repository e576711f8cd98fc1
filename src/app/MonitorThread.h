#pragma once

namespace mvf {

// The long-lived monitor thread the settings load may start (FInternetCheckThread). The window only
// needs to stop it when it closes: ask it to end, then wait until it has ended.
class MonitorThread {
public:
    virtual ~MonitorThread() = default;
    virtual void Terminate() = 0;
    virtual void WaitFor() = 0;
};

} // namespace mvf
