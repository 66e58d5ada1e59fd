#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/LastSentValues.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiDeviceList.h"
#include "midi/MidiValue.h"

namespace kelmar {

class MidiTap;

// The output port: fields and commands through which the program sends MIDI.
// Commands: 1 open the device at DeviceIndex (-1 the default output),
// 2 close, 7 transmit Status/Data1/Data2 as one message.
class MidiOutputPort {
public:
    enum CommandCode { Open = 1, Close = 2, Transmit = 7 };

    explicit MidiOutputPort(const MidiDeviceCatalogue& catalogue);
    ~MidiOutputPort();
    MidiOutputPort(const MidiOutputPort&) = delete;
    MidiOutputPort& operator=(const MidiOutputPort&) = delete;
    // The devices this port lists and opens.
    const MidiDeviceCatalogue& catalogue() const { return catalogue_; }

    void Command(int code);

    void setDeviceIndex(int index) { deviceIndex_ = index; }
    int DeviceIndex() const { return deviceIndex_; }
    // Name of the device at DeviceIndex in the list last read by DeviceCount.
    std::string DeviceName();
    // Number of output devices, the default output not counted; reads the list afresh.
    int DeviceCount();
    // Keeps the device at `index` in the lists read from now on, also while
    // it is not there (marked so in its name); -1 or a missing index keeps none.
    void keepListed(int index) { devices_.keep(index); }
    int IsOpen() const;

    void setStatus(int status) { status_ = status; }
    void setData1(MidiValue value) { data1_ = std::move(value); }
    void setData2(MidiValue value) { data2_ = std::move(value); }
    void setData3(MidiValue value) { data3_ = std::move(value); }
    int Data1() const { return data1_.toInt16(); }

    // Why the last open failed; empty when it succeeded. When the default
    // output could not be opened and another device was opened in its
    // place, it says so.
    const std::string& LastError() const { return lastError_; }
    // After an open that succeeded: what the device still waits for before
    // it carries anything (a device not there now, a link not run yet);
    // empty when it works, or when the user was already told.
    const std::string& LastPending() const { return lastPending_; }
    // Where the open device tells of a problem met while sending: messages
    // it had to drop (once per open), or that it has gone away (once each
    // time it goes; a device that comes back under its name is used again
    // without a word). Called on the sending thread.
    void setProblemReporter(std::function<void(const std::string&)> report) { reportProblem_ = std::move(report); }
    // Name of the device that is open now; empty when none is.
    const std::string& OpenDeviceName() const { return openName_; }
    // What this port last handed its device on each channel; forgotten
    // whenever a device closes, since the next one may hold other values.
    const LastSentValues& lastSent() const { return lastSent_; }
    // Shown every message handed to a device from now on; null for none.
    // The tap must outlive its setting (set null before destroying it).
    void setTap(MidiTap* tap) { tap_ = tap; }

private:
    void open();
    void openDefault();
    // Opens `entry`; empty on success, else why not.
    std::string openEntry(const MidiDeviceEntry& entry, const std::string& label, bool lossTold = false);
    void close();
    void transmit();
    void reportDrops();
    void noticeLoss();

    const MidiDeviceCatalogue& catalogue_;
    MidiDeviceList devices_;
    int deviceIndex_ = 0;
    int status_ = 0;
    MidiValue data1_, data2_, data3_;
    std::unique_ptr<MidiOutputDevice> device_;
    std::string openName_;
    std::string lastError_;
    std::string lastPending_;
    std::function<void(const std::string&)> reportProblem_;
    bool dropsReported_ = false;
    bool lossReported_ = false;
    LastSentValues lastSent_;
    MidiTap* tap_ = nullptr;
};

} // namespace kelmar
