#include "gui/menu/menu_dialog.h"

#include "core/menu/menu_clock.h"
#include "core/menu/menu_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <utility>

namespace rosmossel {
namespace {

using namespace menu_id;

constexpr int kFolderTypingLimit = 80;
constexpr std::array<int, 4> kSerialCharacterIds = {SerialCharacter1, SerialCharacter1 + 1,
                                                    SerialCharacter1 + 2, SerialCharacter1 + 3};

using M = MenuSettings;
// The number boxes in exchange order (a range message names the first bad
// box in this order), with the members they hold.
struct NumberBox {
    int id;
    MenuField field;
    int M::*member;
};
constexpr NumberBox kNumberBoxes[] = {
    {VideoLength, MenuField::VideoLength, &M::videoLengthSeconds},
    {Interval, MenuField::Interval, &M::intervalValue},
    {TimeLapseMinutes, MenuField::TimeLapseMinutes, &M::timeLapseMinutes},
    {TimeLapseSeconds, MenuField::TimeLapseSeconds, &M::timeLapseSeconds},
    {TimeLapseHours, MenuField::TimeLapseHours, &M::timeLapseHours},
    {TimerStopMinute, MenuField::TimerStopMinute, &M::timerStopMinute},
    {TimerStopHour, MenuField::TimerStopHour, &M::timerStopHour},
    {TimerStartHour, MenuField::TimerStartHour, &M::timerStartHour},
    {TimerStartMinute, MenuField::TimerStartMinute, &M::timerStartMinute}};
// The lists with the members they select; Beep Sound and SD Cycle exist on Quill only.
// clang-format off
constexpr std::pair<int, int M::*> kLists[] = {
    {CameraMode, &M::cameraMode},     {ImageSize, &M::imageSize},   {VideoSize, &M::videoSize},
    {Pictures, &M::picturesPerTrigger}, {TimeStamp, &M::timeStamp}, {IntervalUnit, &M::intervalUnit},
    {Sensitivity, &M::sensitivity},   {Timer, &M::timer},           {SidePir, &M::sidePir},
    {TimeLapse, &M::timeLapse},       {SerialNumber, &M::serialNumber},
    {BeepSound, &M::beepSound},       {SdCycle, &M::sdCycle}};
// clang-format on

} // namespace

CameraMenuDialog::CameraMenuDialog(const DialogFamily& descriptor, Session& session,
                                   CardWatch* cards, QWidget* parent)
    : SetupDialog(descriptor,
                  {MenuLanguageTable(descriptor.family), FolderName::ButtonCaption, FileKind::Menu},
                  session, cards, parent),
      numbers_(DefaultMenuSettings(descriptor.family)), clock_(CaptureClock()) {
    clockText_ = QString::fromStdString(*FormatClock(clock_, 0));
}

void CameraMenuDialog::showFirstState() {
    applyEditStates();
}

BuildResult CameraMenuDialog::buildFile() const {
    const FileRecord record = BuildMenuRecord(settings());
    return BuildResult{Bytes(record.begin(), record.end()), {}};
}

void CameraMenuDialog::buildLayout() {
    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(2, 24);
    int r = 0;

    // The upper block: two halves of label and list.
    const auto half = [&](int gridRow, int column, QLabel* caption, QLayoutItem* field) {
        grid->addWidget(caption, gridRow, column);
        grid->addItem(field, gridRow, column + 1);
    };
    const auto listHalf = [&](int gridRow, int column, int labelId, const char* labelName,
                              int listId, const char* listName) {
        QLabel* caption = make().label(labelId, labelName);
        grid->addWidget(caption, gridRow, column);
        // The lists of one half share its width, so the half reads as a column.
        grid->addWidget(make().list(listId, listName, caption), gridRow, column + 1);
    };
    listHalf(r, 0, ModeLabel, "modeLabel", CameraMode, "cameraMode");
    listHalf(r++, 3, ImageSizeLabel, "imageSizeLabel", ImageSize, "imageSize");
    listHalf(r, 0, VideoSizeLabel, "videoSizeLabel", VideoSize, "videoSize");
    listHalf(r++, 3, PicturesLabel, "picturesLabel", Pictures, "pictures");
    listHalf(r, 0, TimeStampLabel, "timeStampLabel", TimeStamp, "timeStamp");
    listHalf(r++, 3, SensitivityLabel, "sensitivityLabel", Sensitivity, "sensitivity");
    listHalf(r, 0, SidePirLabel, "sidePirLabel", SidePir, "sidePir");
    QLabel* lengthLabel = make().label(VideoLengthLabel, "videoLengthLabel");
    half(r++, 3, lengthLabel,
         Row({make().numberBox(VideoLength, "videoLength", lengthLabel),
              make().label(kStaticId, "videoLengthUnit", "Sec")}));
    QLabel* intervalLabel = make().label(IntervalLabel, "intervalLabel");
    half(r, 0, intervalLabel,
         Row({make().list(IntervalUnit, "intervalUnit", intervalLabel),
              make().numberBox(Interval, "interval", intervalLabel)}));
    listHalf(r++, 3, DateFormatLabel, "dateFormatLabel", DateFormat, "dateFormat");
    if (quillControls()) {
        // These two labels keep their English text in every language.
        listHalf(r, 0, BeepSoundLabel, "beepSoundLabel", BeepSound, "beepSound");
        listHalf(r++, 3, SdCycleLabel, "sdCycleLabel", SdCycle, "sdCycle");
        SetControlText(control(BeepSoundLabel), QStringLiteral("Beep Sound"));
        SetControlText(control(SdCycleLabel), QStringLiteral("SD Cycle"));
    }
    grid->addWidget(Separator(this), r++, 0, 1, 5);

    // The lower block: one label per row, the controls across both halves.
    const auto wide = [&](QLabel* caption, QLayout* controls) {
        grid->addWidget(caption, r, 0, Qt::AlignLeft | Qt::AlignBottom);
        grid->addLayout(controls, r++, 1, 1, 4);
    };
    QLabel* clockLabel = make().label(ClockLabel, "clockLabel");
    QLineEdit* clockBox = make().textBox(ClockText, "clockText", clockLabel);
    SetEditable(clockBox, false); // shown, never typed
    clockBox->setMinimumWidth(
        clockBox->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + 16);
    wide(clockLabel, Row({clockBox, make().button(GetTime, "getTimeButton")}));

    const auto unit = [&](const char* text) { return make().label(kStaticId, "unitLabel", text); };
    QLabel* timerLabel = make().label(TimerLabel, "timerLabel");
    QComboBox* timerList = make().list(Timer, "timer", timerLabel);
    QLabel* startLabel = make().label(StartLabel, "startLabel");
    QLabel* stopLabel = make().label(StopLabel, "stopLabel");
    wide(timerLabel,
         TimeRow(
             make(), timerList,
             {{startLabel, nullptr},
              {make().numberBox(TimerStartHour, "timerStartHour", startLabel, " Hour"),
               unit("Hour")},
              {make().numberBox(TimerStartMinute, "timerStartMinute", startLabel, " Min"),
               unit("Min")},
              {stopLabel, nullptr},
              {make().numberBox(TimerStopHour, "timerStopHour", stopLabel, " Hour"), unit("Hour")},
              {make().numberBox(TimerStopMinute, "timerStopMinute", stopLabel, " Min"),
               unit("Min")}}));
    timerLabel->setMinimumHeight(timerList->sizeHint().height());

    QLabel* serialLabel = make().label(SerialLabel, "serialLabel");
    auto* serialRow = Row({make().list(SerialNumber, "serialNumber", serialLabel)}, false);
    for (std::size_t i = 0; i < kSerialCharacterIds.size(); ++i) {
        const QString number = QString::number(i + 1);
        serialRow->addWidget(make().list(kSerialCharacterIds[i], "serialCharacter", serialLabel,
                                         QStringLiteral(" ") + number));
        controls()
            .value(kSerialCharacterIds[i])
            ->setObjectName(QStringLiteral("serialCharacter") + number);
    }
    serialRow->addStretch(1);
    wide(serialLabel, serialRow);

    QLabel* lapseLabel = make().label(TimeLapseLabel, "timeLapseLabel");
    QComboBox* lapseList = make().list(TimeLapse, "timeLapse", lapseLabel);
    wide(lapseLabel,
         TimeRow(make(), lapseList,
                 {{make().numberBox(TimeLapseHours, "timeLapseHours", lapseLabel, " Hour"),
                   unit("Hour")},
                  {make().numberBox(TimeLapseMinutes, "timeLapseMinutes", lapseLabel, " Min"),
                   unit("Min")},
                  {make().numberBox(TimeLapseSeconds, "timeLapseSeconds", lapseLabel, " Sec"),
                   unit("Sec")}}));
    lapseLabel->setMinimumHeight(lapseList->sizeHint().height());
    grid->addWidget(Separator(this), r++, 0, 1, 5);

    const FolderRow folderRow =
        makeFolderRow(Select, Folder, FolderTyping::Typed, kFolderTypingLimit);
    grid->addWidget(folderRow.button, r, 0);
    grid->addWidget(folderRow.field, r++, 1, 1, 4);

    grid->addLayout(
        makeButtonRow(Generate, Exit, ButtonSpread::Centred, {{Default, "defaultButton"}}), r++, 0,
        1, 5);
}

void CameraMenuDialog::bindValues() {
    for (const NumberBox& b : kNumberBoxes) {
        const NumberBoxRange range = MenuNumberBox(b.field);
        exchange().bindInteger(control<QLineEdit>(b.id), &(numbers_.*b.member),
                               RangeCheck(range.min, range.max));
    }
    exchange().bindText(control<QLineEdit>(ClockText), &clockText_);
}

void CameraMenuDialog::connectHandlers() {
    const auto box = [this](int id) { return control<QLineEdit>(id); };
    const auto list = [this](int id) { return control<QComboBox>(id); };
    const auto button = [this](int id) { return control<QPushButton>(id); };

    // Only the user's edits and choices run the rules; the dialog's own
    // updates of its fields do not.
    for (const NumberBox& b : kNumberBoxes) {
        connect(box(b.id), &QLineEdit::textEdited, this,
                [this, b] { onNumberEdited(b.field, b.member); });
    }
    connect(list(IntervalUnit), &QComboBox::activated, this,
            [this] { onNumberEdited(MenuField::Interval, &M::intervalValue); });
    for (int id : {Timer, TimeLapse, SerialNumber}) {
        connect(list(id), &QComboBox::activated, this,
                [this] { retake([this] { applyEditStates(); }); });
    }
    connect(list(DateFormat), &QComboBox::activated, this, &CameraMenuDialog::refreshClock);
    for (int id : {CameraMode, ImageSize}) {
        connect(list(id), &QComboBox::activated, this, [this] { exchange().take(); });
    }
    connect(button(GetTime), &QPushButton::clicked, this, &CameraMenuDialog::refreshClock);
    connect(button(Default), &QPushButton::clicked, this, &CameraMenuDialog::onDefault);
}

void CameraMenuDialog::applyEditStates() {
    const MenuEditStates states =
        MenuEditStatesFor(selected(Timer), selected(TimeLapse), selected(SerialNumber));
    for (int id : {TimerStartHour, TimerStartMinute, TimerStopHour, TimerStopMinute}) {
        SetEditable(control<QLineEdit>(id), states.timerEditable);
    }
    for (int id : {TimeLapseHours, TimeLapseMinutes, TimeLapseSeconds}) {
        SetEditable(control<QLineEdit>(id), states.timeLapseEditable);
    }
    for (int id : kSerialCharacterIds) {
        control(id)->setEnabled(states.serialCharactersEnabled);
    }
}

void CameraMenuDialog::onNumberEdited(MenuField field, int MenuSettings::*member) {
    const int unit = selected(IntervalUnit); // as the user saw it (or just chose it)
    repairAfterEdit(numbers_.*member, [field, unit](int value) {
        return CorrectMenuNumber(field, value, unit).value_or(value);
    });
}

void CameraMenuDialog::refreshClock() {
    const int dateFormat = selected(DateFormat);
    clock_ = CaptureClock();
    if (auto text = FormatClock(clock_, dateFormat)) {
        clockText_ = QString::fromStdString(*text);
    }
    exchange().show();
}

MenuSettings CameraMenuDialog::settings() const {
    MenuSettings s = DefaultMenuSettings(family());
    for (const NumberBox& b : kNumberBoxes) {
        s.*b.member = numbers_.*b.member;
    }
    for (const auto& [id, member] : kLists) {
        if (controls().contains(id)) {
            s.*member = selected(id);
        }
    }
    for (std::size_t i = 0; i < kSerialCharacterIds.size(); ++i) {
        s.serialCharacters[i] = selected(kSerialCharacterIds[i]);
    }
    s.clock = clock_;
    s.languageCode = session().fileLanguageCode();
    s.tvMode = session().tvModeByte();
    return s;
}

std::optional<CardSettings> CameraMenuDialog::cardSettings(const DecodedFile& file) {
    const auto* decoded = std::get_if<MenuDecoded>(&file.content);
    if (!decoded || decoded->factory || !decoded->settings || !file.valid()) {
        return std::nullopt;
    }
    return CardSettings{LoadNote::ClockKept, [this, s = *decoded->settings] { showSettings(s); }};
}

void CameraMenuDialog::showSettings(const MenuSettings& s) {
    for (const auto& [id, member] : kLists) {
        if (controls().contains(id)) {
            select(id, s.*member);
        }
    }
    for (std::size_t i = 0; i < kSerialCharacterIds.size(); ++i) {
        select(kSerialCharacterIds[i], s.serialCharacters[i]);
    }
    for (const NumberBox& b : kNumberBoxes) {
        numbers_.*b.member = s.*b.member;
    }
    applyEditStates();
    exchange().show();
}

std::optional<SetupDialog::GenerateProblem> CameraMenuDialog::checkInput() {
    // The check `generate` and `inspect` run; a value the lists cannot hold
    // never fails it.
    return fieldlessProblem(CheckMenuSettings(settings()));
}

void CameraMenuDialog::onDefault() {
    exchange().take(); // a range message may appear; the reset goes on regardless
    showSettings(MenuSettingsAfterDefault(settings()));
    writeToFolder(SettingsFile(FileKind::Menu).fileName, BuildFactoryMenuRecord(),
                  FactoryMenuGeneratedMessage(family()));
}

} // namespace rosmossel
