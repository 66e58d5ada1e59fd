#include "midi/MidiInputPort.h"

#include <QSocketNotifier>

#include "midi/PortError.h"

namespace kelmar {

MidiInputPort::MidiInputPort(const MidiDeviceCatalogue& catalogue, QObject* parent)
    : QObject(parent)
    , devices_(catalogue, &MidiDeviceCatalogue::inputs)
{
    if (queue_.wakeDescriptor() >= 0) {
        notifier_ = new QSocketNotifier(queue_.wakeDescriptor(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &MidiInputPort::onWake);
    }
}

MidiInputPort::~MidiInputPort()
{
    close();
}

void MidiInputPort::Command(int code)
{
    switch (code) {
    case Open:
        open();
        break;
    case Close:
        close();
        break;
    case Start:
        queue_.setAccepting(device_ != nullptr);
        break;
    case Stop:
        queue_.setAccepting(false);
        break;
    case Discard:
        if (queue_.front())
            ++discarded_;
        queue_.pop();
        break;
    default:
        break; // unknown commands do nothing
    }
}

int MidiInputPort::DeviceCount()
{
    return devices_.refresh();
}

std::string MidiInputPort::DeviceName()
{
    const MidiDeviceEntry* entry = devices_.at(deviceIndex_);
    return entry ? entry->listedName() : std::string();
}

int MidiInputPort::IsOpen() const
{
    return device_ && device_->isOpen() ? 1 : 0;
}

int MidiInputPort::InStatus() const
{
    const InputMessage* m = queue_.front();
    return m ? m->status : 0;
}

int MidiInputPort::InData1() const
{
    const InputMessage* m = queue_.front();
    return m ? m->data1 : 0;
}

int MidiInputPort::InData2() const
{
    const InputMessage* m = queue_.front();
    return m ? m->data2 : 0;
}

void MidiInputPort::open()
{
    const std::string toldGone = lossTold_ ? openName_ : std::string();
    close();
    lastError_.clear();
    lastPending_.clear();
    const MidiDeviceEntry* entry = devices_.at(deviceIndex_);
    if (!entry) {
        lastError_ = "There is no MIDI input device number " + std::to_string(deviceIndex_) + ".";
        return;
    }
    // A device not there now is opened to be linked once it is back.
    auto result = entry->present ? entry->backend->openInput(entry->name, queue_)
                                 : entry->backend->openAbsentInput(entry->name, queue_);
    if (!result.device) {
        lastError_ = result.error.empty() ? "The device could not be opened." : result.error;
        return;
    }
    device_ = std::move(result.device);
    openName_ = entry->name;
    lossTold_ = !entry->present;
    if (entry->present || entry->name != toldGone)
        lastPending_ = std::move(result.pending);
}

void MidiInputPort::close()
{
    queue_.setAccepting(false);
    device_.reset(); // no message is pushed after this
    queue_.clear();
    queue_.takeErrors();
    openName_.clear();
    lossTold_ = false;
}

void MidiInputPort::onWake()
{
    queue_.acknowledgeWake();
    const std::uint32_t errors = queue_.takeErrors();
    for (int code = 0; code < 32; ++code) {
        if (!(errors & (1u << code)))
            continue;
        lossTold_ = lossTold_ || code == PortErrorDeviceLost;
        Q_EMIT PortError(code, QString::fromStdString(portErrorText(code, openName_)));
    }
    deliver();
}

void MidiInputPort::deliver()
{
    if (!queue_.accepting() || queue_.size() == 0)
        return;
    const std::uint64_t before = discarded_;
    Q_EMIT MessagesArrived();
    // The handler takes a bounded share of the queue per event, so that a
    // burst or an output that feeds back into this input cannot hold up the
    // event loop. What it left follows in the next turn of the loop, after
    // the other events waiting there. A handler that took nothing is not
    // asked again until more arrives.
    if (followUpPending_ || discarded_ == before || !queue_.accepting() || queue_.size() == 0)
        return;
    followUpPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            followUpPending_ = false;
            deliver();
        },
        Qt::QueuedConnection);
}

} // namespace kelmar
