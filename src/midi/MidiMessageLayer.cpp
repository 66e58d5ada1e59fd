#include "midi/MidiMessageLayer.h"

#include <QObject>

#include "midi/ChannelControls.h"
#include "midi/MidiCodes.h"
#include "midi/PortError.h"

namespace kelmar {

using namespace midi;

MidiMessageLayer::MidiMessageLayer(MidiOutputPort& out, MidiInputPort& in)
    : out_(out)
    , in_(in)
{
    arrived_ = QObject::connect(&in_, &MidiInputPort::MessagesArrived, [this] { MidiThru(); });
    error_ = QObject::connect(&in_, &MidiInputPort::PortError,
                              [this](int code, const QString& text) { ReportMidiInError(code, text.toStdString()); });
}

MidiMessageLayer::~MidiMessageLayer()
{
    QObject::disconnect(arrived_);
    QObject::disconnect(error_);
}

void MidiMessageLayer::SendMidi(int status, const MidiValue& data1, const MidiValue& data2)
{
    out_.setStatus(status);
    out_.setData1(data1);
    out_.setData2(data2);
    out_.setData3(0);
    out_.Command(MidiOutputPort::Transmit);
}

void MidiMessageLayer::SendProgramChange()
{
    const int c = channels_.CurrentChannel;
    SendMidi(ProgramChange + c, channels_.ChannelPatch[static_cast<std::size_t>(c)], 0);
}

void MidiMessageLayer::SendPan()
{
    const int c = channels_.CurrentChannel;
    SendMidi(ControlChange + c, PanController, channels_.ChannelPan[static_cast<std::size_t>(c)]);
}

void MidiMessageLayer::AllNotesOffSweep()
{
    const std::int16_t remembered = channels_.CurrentChannel;
    for (int note = 0; note <= 127; ++note) {
        for (std::int16_t channel = 0; channel <= 15; ++channel) {
            channels_.CurrentChannel = channel;
            SendMidi(NoteOn + channel, note, 0);
        }
    }
    channels_.CurrentChannel = remembered;
    ++sweeps_;
}

std::vector<std::string> MidiMessageLayer::ListMidiOutDevices()
{
    std::vector<std::string> names;
    const int count = out_.DeviceCount();
    for (int d = -1; d <= count - 1; ++d) {
        out_.setDeviceIndex(d);
        names.push_back(out_.DeviceName());
    }
    return names;
}

std::vector<std::string> MidiMessageLayer::ListMidiInDevices()
{
    std::vector<std::string> names;
    const int count = in_.DeviceCount();
    for (int d = 0; d <= count - 1; ++d) {
        in_.setDeviceIndex(d);
        names.push_back(in_.DeviceName());
    }
    return names;
}

void MidiMessageLayer::OpenMidiOut(int position)
{
    if (out_.IsOpen() >= 1 || out_.DeviceIndex() == -1)
        out_.Command(MidiOutputPort::Close);
    out_.setDeviceIndex(position - 1);
    out_.Command(MidiOutputPort::Open);
}

void MidiMessageLayer::OpenMidiIn(int position)
{
    if (in_.IsOpen() >= 1)
        in_.Command(MidiInputPort::Close);
    in_.setDeviceIndex(position);
    in_.Command(MidiInputPort::Open);
    in_.Command(MidiInputPort::Start);
}

void MidiMessageLayer::CloseMidi()
{
    in_.Command(MidiInputPort::Stop);
    in_.Command(MidiInputPort::Close);
    out_.Command(MidiOutputPort::Close);
    if (endProgram_)
        endProgram_();
}

void MidiMessageLayer::MidiThru()
{
    for (int handled = 0; handled < ThruBatch && in_.QueueCount() > 0; ++handled) {
        const int s = in_.InStatus();
        const int d1 = in_.InData1();
        const int d2 = in_.InData2();
        out_.setStatus(s);
        out_.setData1(d1);
        out_.setData2(d2);

        const int c = channels_.CurrentChannel;
        if (s == ProgramChange + c) {
            if (controls_)
                controls_->setPatchPosition(out_.Data1());
        } else if (s == ControlChange + c) {
            if (controls_ && d1 == VolumeController)
                controls_->setVolumeScroll(d2);
            else if (controls_ && d1 == PanController)
                controls_->setPanScroll(d2);
            // any other controller on the current channel is dropped
        } else {
            // note on/off on the current channel, and everything else, is echoed
            out_.Command(MidiOutputPort::Transmit);
        }
        in_.Command(MidiInputPort::Discard);
    }
}

void MidiMessageLayer::ReportMidiInError(int code, const std::string& text)
{
    if (isPortWarning(code))
        return;
    if (showError_)
        showError_(text);
}

} // namespace kelmar
