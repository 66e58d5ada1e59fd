#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiDeviceList.h"
#include "midi/MidiInputQueue.h"

class QSocketNotifier;

namespace kelmar {

// The input port: opens an input device and queues what it receives.
// Commands: 1 open the device at DeviceIndex, 2 close, 4 start delivering,
// 5 stop delivering, 6 discard the oldest queued message.
// Its events arrive as signals on the thread that owns the port.
class MidiInputPort : public QObject {
    Q_OBJECT

public:
    enum CommandCode { Open = 1, Close = 2, Start = 4, Stop = 5, Discard = 6 };

    explicit MidiInputPort(const MidiDeviceCatalogue& catalogue, QObject* parent = nullptr);
    ~MidiInputPort() override;

    void Command(int code);

    void setDeviceIndex(int index) { deviceIndex_ = index; }
    int DeviceIndex() const { return deviceIndex_; }
    std::string DeviceName();
    int DeviceCount();
    // Keeps the device at `index` in the lists read from now on, also while
    // it is not there (marked so in its name); a missing index keeps none.
    void keepListed(int index) { devices_.keep(index); }
    int IsOpen() const;

    int QueueCount() const { return static_cast<int>(queue_.size()); }
    int InStatus() const;
    int InData1() const;
    int InData2() const;

    // Why the last open failed; empty when it succeeded.
    const std::string& LastError() const { return lastError_; }
    // After an open that succeeded: what the device still waits for before
    // it brings anything in; empty when it works, or when the user was
    // already told that it went away.
    const std::string& LastPending() const { return lastPending_; }
    const std::string& OpenDeviceName() const { return openName_; }

Q_SIGNALS:
    // Messages are waiting in the queue (raised only while started). A
    // handler may take only some of them (command 6 for each); while it takes
    // some and others are left, the event is raised again in the next turn of
    // the event loop.
    void MessagesArrived();
    // The MIDI system reported a problem; see PortError.h for the codes.
    void PortError(int code, const QString& text);

private:
    void open();
    void close();
    void onWake();
    void deliver();

    MidiDeviceList devices_;
    int deviceIndex_ = 0;
    MidiInputQueue queue_;
    QSocketNotifier* notifier_ = nullptr;
    std::unique_ptr<MidiInputDevice> device_;
    std::string openName_;
    std::string lastError_;
    std::string lastPending_;
    bool lossTold_ = false; // PortError has said that the open device went away
    std::uint64_t discarded_ = 0;  // messages taken by command 6, ever
    bool followUpPending_ = false; // a MessagesArrived is queued for the next turn
};

} // namespace kelmar
