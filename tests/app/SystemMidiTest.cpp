// The device lists of this system as the program builds them: the built-in
// synthesizer always, the JACK clients' ports when a server runs, and
// whatever the ALSA sequencer has (nothing on a machine without one).
#include <gtest/gtest.h>

#include <algorithm>

#include "app/SystemMidi.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/synth/FluidSynthBackend.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"

using namespace kelmar;

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TEST(SystemCatalogue, ListsTheSynthesizerAndTheJackPorts)
{
    test::JackServer jack;
    ASSERT_TRUE(jack.running()) << jack.failure();
    test::JackReceiver peer("peer");
    ASSERT_TRUE(peer.ok());

    const auto catalogue = SystemMidi::createCatalogue();
    MidiOutputPort out(*catalogue);
    MidiInputPort in(*catalogue);
    MidiMessageLayer layer(out, in);

    const std::vector<std::string> outputs = layer.ListMidiOutDevices();
    ASSERT_GE(outputs.size(), 3u);
    EXPECT_EQ(outputs[0], "Default output");
    EXPECT_EQ(outputs[1], FluidSynthBackend::DeviceLabel);
    EXPECT_TRUE(contains(outputs, peer.inputPort()));
    EXPECT_TRUE(contains(layer.ListMidiInDevices(), peer.outputPort()));
}

TEST(SystemCatalogue, WithoutAnyServerStillOffersTheSynthesizer)
{
    test::pointAtNoServer();
    const auto catalogue = SystemMidi::createCatalogue();
    MidiOutputPort out(*catalogue);
    MidiInputPort in(*catalogue);
    MidiMessageLayer layer(out, in);
    EXPECT_EQ(layer.ListMidiOutDevices(),
              (std::vector<std::string>{"Default output", FluidSynthBackend::DeviceLabel}));
    layer.OpenMidiOut(1);
    EXPECT_EQ(out.IsOpen(), 1);
}
