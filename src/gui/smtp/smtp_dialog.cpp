#include "gui/smtp/smtp_dialog.h"

#include "core/operators/operator_fill.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_checks.h"
#include "core/text/code_page.h"
#include "core/text/operator_texts.h"
#include "core/text/smtp_language_table.h"
#include "gui/dialogs/operator_finder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace rosmossel {
namespace {

using namespace smtp_id;

// The typed texts in the dialog's exchange order, with the values they fill.
constexpr std::pair<int, SmtpText> kTextFields[] = {
    {Recipient, SmtpText::Recipient},
    {SenderAddress, SmtpText::SenderAddress},
    {SenderPassword, SmtpText::SenderPassword},
    {Server, SmtpText::Server},
    {Port, SmtpText::Port},
    {Account, SmtpText::Account},
    {Apn, SmtpText::Apn},
    {GprsPassword, SmtpText::GprsPassword},
};
constexpr int kGprsFields[] = {Apn, Account, GprsPassword};

// The widest entry a list will ever hold sets its width, so the dialog keeps
// its size when the list is refilled for another country or mode.
void fitWidthTo(QComboBox* list, const QStringList& entries) {
    list->addItems(entries);
    list->setMinimumWidth(list->sizeHint().width());
    list->clear();
}

QStringList allOperators(int countries) {
    QStringList names;
    for (int country = 0; country < countries; ++country) {
        names << FromUtf8(GprsOperatorNames(country));
    }
    return names;
}

} // namespace

SmtpDialog::SmtpDialog(const DialogFamily& descriptor, Session& session, CardWatch* cards,
                       QWidget* parent)
    : SetupDialog(descriptor,
                  {SmtpLanguageTable(descriptor.family), FolderName::Folder, FileKind::Smtp},
                  session, cards, parent),
      typed_(DefaultSmtpSettings(descriptor.family)) {}

void SmtpDialog::showFirstState() {
    ApplyCaptions(controls(), std::span(&kFindOperatorCaption, 1), language());
    showMode(ApnMode::Automatic);
    alignFrames();
}

BuildResult SmtpDialog::buildFile() const {
    return BuildSmtpFile(settings());
}

void SmtpDialog::buildLayout() {
    auto* outer = new QVBoxLayout(this);

    // Mode, picture count, country and operator, remote control: labels in
    // column 0 and 2, their controls beside them.
    auto* top = new QGridLayout;
    top->setColumnStretch(4, 1);
    outer->addLayout(top);
    const auto captioned = [&](int row, int column, int labelId, const char* labelName,
                               const char* text = "") {
        QLabel* caption = make().label(labelId, labelName, text);
        top->addWidget(caption, row, column);
        return caption;
    };
    QLabel* modeLabel = captioned(0, 0, ModeLabel, "modeLabel");
    top->addWidget(make().list(Mode, "mode", modeLabel), 0, 1);
    if (quillControls()) {
        // Not translated: the dialog's own text in every language.
        QLabel* mmsLabel = captioned(0, 2, MmsModeLabel, "mmsModeLabel", "MMS Mode");
        top->addWidget(make().list(MmsSendMode, "mmsSendMode", mmsLabel), 0, 3);
    }
    QLabel* countLabel = captioned(1, 0, PictureCountLabel, "pictureCountLabel");
    top->addWidget(make().numberBox(PictureCount, "pictureCount", countLabel), 1, 1, Qt::AlignLeft);
    top->addWidget(make().label(UnlimitedNote, "unlimitedNote"), 1, 2, 1, 3);
    QLabel* countryLabel = captioned(2, 0, CountryLabel, "countryLabel");
    QComboBox* country = make().list(Country, "country", countryLabel);
    const std::vector<std::string> countries = SmtpModeViewOf(ApnMode::Automatic).countries;
    fitWidthTo(country, FromUtf8(countries));
    top->addWidget(country, 2, 1);
    QLabel* operatorLabel = captioned(2, 2, OperatorLabel, "operatorLabel");
    QComboBox* op = make().list(Operator, "operator", operatorLabel);
    fitWidthTo(op, allOperators(static_cast<int>(countries.size())));
    top->addWidget(op, 2, 3);
    if (quillControls()) {
        QLabel* remoteLabel = captioned(3, 0, RemoteControlLabel, "remoteControlLabel");
        top->addWidget(make().list(RemoteControl, "remoteControl", remoteLabel), 3, 1,
                       Qt::AlignLeft);
    }

    // The three frames: a label column and full-width text boxes.
    const int boxWidth = fontMetrics().averageCharWidth() * 36;
    const auto frame = [&](int id, const char* name, const char* title) {
        QGroupBox* box = make().frame(id, name);
        SetControlText(box, QString::fromLatin1(title));
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        outer->addWidget(box);
        return grid;
    };
    const auto field = [&](QGridLayout* grid, int labelId, const char* labelName, int boxId,
                           const char* boxName, bool masked = false) {
        QLabel* caption = make().label(labelId, labelName);
        QLineEdit* box = masked ? make().passwordBox(boxId, boxName, caption)
                                : make().textBox(boxId, boxName, caption);
        box->setMinimumWidth(boxWidth);
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
    };
    QGridLayout* gprs = frame(kStaticId, "gprsFrame", "GPRS Setting");
    field(gprs, ApnLabel, "apnLabel", Apn, "apn");
    field(gprs, AccountLabel, "accountLabel", Account, "account");
    // The GPRS password is shown in clear: it is an operator's published one.
    field(gprs, GprsPasswordLabel, "gprsPasswordLabel", GprsPassword, "gprsPassword");
    // Below the fields it fills, before the sender's in the tab order.
    gprs->addWidget(make().button(kFindOperatorId, "findOperator"), gprs->rowCount(), 1,
                    Qt::AlignLeft);
    QGridLayout* sender = frame(SenderFrame, "senderFrame", "Sender");
    field(sender, ServerLabel, "serverLabel", Server, "server");
    field(sender, PortLabel, "portLabel", Port, "port");
    field(sender, SenderAddressLabel, "senderAddressLabel", SenderAddress, "senderAddress");
    field(sender, SenderPasswordLabel, "senderPasswordLabel", SenderPassword, "senderPassword",
          true);
    QGridLayout* recipients = frame(RecipientFrame, "recipientFrame", "Recipients");
    field(recipients, RecipientLabel, "recipientLabel", Recipient, "recipient");

    const FolderRow folderRow = makeFolderRow(Select, Folder, FolderTyping::Typed);
    outer->addLayout(Row({folderRow.button, folderRow.field}, false));

    outer->addLayout(makeButtonRow(Generate, Exit, ButtonSpread::Ends));
}

void SmtpDialog::bindValues() {
    exchange().bindInteger(control<QLineEdit>(PictureCount), &picturesPerDay_,
                           ToolkitRangeCheck(PicturesPerDayField().min, PicturesPerDayField().max));
    bindFileTexts(typed_, kTextFields, SmtpTextFields(family()));
}

// One width for the labels of the three frames.
void SmtpDialog::alignFrames() {
    const int ids[] = {ApnLabel,  AccountLabel,       GprsPasswordLabel,   ServerLabel,
                       PortLabel, SenderAddressLabel, SenderPasswordLabel, RecipientLabel};
    int width = 0;
    for (int id : ids) {
        width = std::max(width, control(id)->sizeHint().width());
    }
    for (int id : ids) {
        control(id)->setMinimumWidth(width);
    }
}

void SmtpDialog::connectHandlers() {
    // Typing runs the rules; the dialog's own updates of the boxes do not. The
    // mode and country lists answer every change of selection, the dialog's
    // own included: card loading selects the mode to refill the lists.
    connect(control<QLineEdit>(PictureCount), &QLineEdit::textEdited, this,
            [this] { repairAfterEdit(picturesPerDay_, PictureCountAfterEdit); });
    for (const auto& [id, text] : kTextFields) {
        connect(control<QLineEdit>(id), &QLineEdit::textEdited, this,
                [this] { exchange().take(); });
    }
    connect(control<QLineEdit>(Folder), &QLineEdit::textEdited, this,
            [this] { exchange().take(); });
    connect(control<QComboBox>(Mode), &QComboBox::currentIndexChanged, this,
            &SmtpDialog::onModeChosen);
    connect(control<QPushButton>(kFindOperatorId), &QPushButton::clicked, this,
            &SmtpDialog::onFindOperator);
    connect(control<QComboBox>(Country), &QComboBox::currentIndexChanged, this,
            &SmtpDialog::onCountryChosen);
}

ApnMode SmtpDialog::mode() const {
    return selected(Mode) == static_cast<int>(ApnMode::Manual) ? ApnMode::Manual
                                                               : ApnMode::Automatic;
}

void SmtpDialog::showMode(ApnMode mode) {
    const SmtpModeView view = SmtpModeViewOf(mode);
    for (int id : kGprsFields) {
        SetEditable(control<QLineEdit>(id), view.gprsEditable);
    }
    control<QPushButton>(kFindOperatorId)->setEnabled(view.gprsEditable);
    FillList(control<QComboBox>(Country), view.countries);
    FillList(control<QComboBox>(Operator), view.operators);
}

void SmtpDialog::onModeChosen(int chosen) {
    retake([this, chosen] {
        ClearSmtpTexts(typed_);
        showMode(chosen == static_cast<int>(ApnMode::Manual) ? ApnMode::Manual
                                                             : ApnMode::Automatic);
    });
}

void SmtpDialog::onCountryChosen(int country) {
    if (mode() == ApnMode::Automatic && country >= 0) {
        FillList(control<QComboBox>(Operator), GprsOperatorNames(country));
    }
}

void SmtpDialog::onFindOperator() {
    FindOperatorAndFill(ApnUse::Internet, session(), this, [this](const OperatorConnection& row) {
        QLineEdit* refused = nullptr;
        retake([&] {
            if (const auto text = FillGprsConnection(typed_, row, SystemCodePage())) {
                refused = textBoxOf(*text);
            }
        });
        return refused;
    });
}

SmtpSettings SmtpDialog::settings() const {
    SmtpSettings typed = typed_;
    typed.picturesPerDay = picturesPerDay_;
    SmtpSelections lists{mode(), selected(Country), selected(Operator)};
    if (quillControls()) {
        lists.mmsSendMode = selected(MmsSendMode);
        lists.smsRemoteControl = selected(RemoteControl);
    }
    return SmtpSettingsToWrite(typed, lists, session().fileLanguageCode());
}

std::optional<CardSettings> SmtpDialog::cardSettings(const DecodedFile& file) {
    const auto* decoded = std::get_if<SmtpDecoded>(&file.content);
    if (!decoded || !decoded->settings || !file.valid()) {
        return std::nullopt;
    }
    const SmtpCardLoad load = SmtpLoadFromCard(*decoded->settings);
    const LoadNote note =
        ConnectionLoadNote(load.lists.mode == ApnMode::Manual, load.presetDiffers);
    return CardSettings{note, [this, load] {
                            select(Mode, static_cast<int>(load.lists.mode)); // refills the lists
                            select(Country, load.lists.country);
                            select(Operator, load.lists.operatorSlot);
                            if (quillControls()) {
                                select(MmsSendMode, load.lists.mmsSendMode);
                                select(RemoteControl, load.lists.smsRemoteControl);
                            }
                            typed_ = load.typed;
                            picturesPerDay_ = load.typed.picturesPerDay;
                            exchange().show();
                        }};
}

std::optional<SetupDialog::GenerateProblem> SmtpDialog::checkInput() {
    return inTextBox(CheckSmtpGenerate(settings(), mode() == ApnMode::Manual));
}

} // namespace rosmossel
