#include "app/GeneralControlWidgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/ControlArray.h"
#include "ui/Place.h"
#include "ui/Twips.h"
#include "ui/ValueBar.h"
#include "ui/ValueBox.h"
#include "ui/WindowFonts.h"

namespace kelmar {

namespace {

QLabel* caption(QWidget* frame, const QString& text)
{
    auto* label = new QLabel(text, frame);
    label->setFont(WindowFonts::small());
    return label;
}

// A value box: white, single-line border, centred.
QLabel* valueBox(QWidget* frame, const char* text, const QString& what)
{
    QLabel* box = caption(frame, QString::fromLatin1(text));
    styleAsValueBox(box);
    setValueCaption(box, what);
    return box;
}

// A tab stop whose keys move it as a click would.
QScrollBar* bar(QWidget* frame, int maximum, const QString& accessibleName)
{
    auto* scroll = new ValueBar(frame);
    scroll->setRange(0, maximum);
    scroll->setSingleStep(1);
    scroll->setPageStep(1);
    scroll->setAccessibleName(accessibleName);
    return scroll;
}

void describe(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// A pick-only list on a white ground.
QComboBox* patchList(QWidget* frame)
{
    auto* list = new QComboBox(frame);
    list->setFont(WindowFonts::small());
    list->setEditable(false);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    list->setPalette(palette);
    return list;
}

} // namespace

GeneralControlWidgets GeneralControlWidgets::build(QWidget* frame)
{
    GeneralControlWidgets g;
    g.FormulatorLabel0 = caption(frame, tr("MIDI Channel"));
    ControlArray::tag(g.FormulatorLabel0, QStringLiteral("FormulatorLabel"), 0);
    g.FormulatorLabel0->setGeometry(Twips::toPixels(TwipRect{60, 240, 900, 195}));
    g.MIDIChannelOutLabel = place(valueBox(frame, "1", tr("MIDI channel")), "MIDIChannelOutLabel",
                                  {990, 210, 345, 210});
    g.MidiChannelScroll = place(bar(frame, 15, tr("MIDI channel")), "MidiChannelScroll", {180, 465, 1050, 150});
    g.Label13 = place(caption(frame, tr("Volume")), "Label13", {1395, 240, 540, 180});
    g.LabelVolume = place(valueBox(frame, "100", tr("Volume")), "LabelVolume", {1920, 210, 405, 210});
    g.VolumeScroll = place(bar(frame, 127, tr("Volume")), "VolumeScroll", {1470, 465, 795, 150});
    g.Label5 = place(caption(frame, tr("Octave")), "Label5", {2400, 240, 495, 180});
    g.LabelOctave = place(valueBox(frame, "0", tr("Octave")), "LabelOctave", {2895, 210, 270, 210});
    g.OctaveScroll = place(bar(frame, 3, tr("Octave")), "OctaveScroll", {2445, 465, 690, 150});
    g.LabelPanText = place(caption(frame, tr("Pan")), "LabelPanText", {3270, 225, 315, 180});
    g.LabelPan = place(valueBox(frame, "64", tr("Pan")), "LabelPan", {3555, 210, 360, 210});
    g.PanScroll = place(bar(frame, 127, tr("Pan")), "PanScroll", {3360, 465, 855, 150});
    g.Command1 = place(new QPushButton(QStringLiteral(">|<"), frame), "Command1", {3960, 210, 360, 210});
    g.Command1->setFont(WindowFonts::small());
    g.LabelPatch = place(caption(frame, tr("Patch")), "LabelPatch", {4485, 180, 645, 255});
    g.ComboPatch = place(patchList(frame), "ComboPatch", {4425, 360, 1530, 285});
    g.FavouritePatch = place(patchList(frame), "FavouritePatch", {5985, 375, 1530, 285});
    g.MidiChannelScroll->setAccessibleDescription(tr("The channel the controls and the performance play on"));
    g.VolumeScroll->setAccessibleDescription(tr("Volume of the current channel"));
    g.OctaveScroll->setAccessibleDescription(tr("Octave offset of the current channel"));
    g.PanScroll->setAccessibleDescription(tr("Pan of the current channel, sent at once"));
    describe(g.Command1, tr("Centre pan"),
             tr("Sets the current channel's pan to the centre"));
    describe(g.ComboPatch, tr("Patch"),
             tr("General MIDI programme of the current channel"));
    describe(g.FavouritePatch, tr("Favourite patch"),
             tr("A favourite programme for the current channel"));
    return g;
}

} // namespace kelmar
