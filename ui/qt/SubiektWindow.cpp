#include "SubiektWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "base/Exception.h"
#include "base/ExceptionHandler.h"
#include "base/Macerror.h"

using bridge::SettingsField;

namespace {

struct FieldRow {
    SettingsField Field;
    const char* Control;
    std::string_view Label;
};

const FieldRow kRows[] = {
    {SettingsField::Model, "ComboBox1", "MODEL..."}, {SettingsField::Name, "Edit5", "Nazwa"},
    {SettingsField::IpAddress, "Edit1", "IP"},       {SettingsField::Port, "Edit2", "Port"},
    {SettingsField::Timeout, "Edit3", "TimeOut"},    {SettingsField::Retry, "Edit4", "Retry"},
};

} // namespace

SubiektWindow::SubiektWindow(bridge::ProgramRunner& runner, bridge::CasPrtcLibrary& casprtc,
                             bridge::BridgeFolders folders, QWidget* parent)
    : QWidget(parent) {
    setObjectName("FrmSubiekt");
    setWindowTitle(ToQt("Konfiguracja wagi CAS"));

    settingsPanel_ = new QFrame(this);
    settingsPanel_->setObjectName("SettingsPanel");
    settingsPanel_->setFrameShape(QFrame::StyledPanel);
    settingsPanel_->setFrameShadow(QFrame::Sunken);
    innerPanel_ = new QFrame(settingsPanel_);
    innerPanel_->setObjectName("Panel");
    innerPanel_->setAutoFillBackground(true);

    const bridge::ScaleSettings defaults;
    auto* form = new QFormLayout(innerPanel_);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const FieldRow& row : kRows) {
        QWidget* control = nullptr;
        if (row.Field == SettingsField::Model) {
            model_ = new QComboBox(innerPanel_);
            model_->setEditable(true);
            model_->setInsertPolicy(QComboBox::NoInsert);
            for (std::string_view entry : bridge::kModelEntries) model_->addItem(ToQt(entry));
            model_->setEditText(ToQt(defaults.Model));
            // Picking an entry selects it; typing leaves no entry picked.
            connect(model_, &QComboBox::activated, this, [this](int index) {
                picked_ = index;
                logic_->ComboBox1Change();
            });
            connect(model_->lineEdit(), &QLineEdit::textEdited, this, [this] {
                picked_ = -1;
                logic_->ComboBox1Change();
            });
            control = model_;
        } else {
            auto* edit = new QLineEdit(ToQt(defaults[row.Field]), innerPanel_);
            connect(edit, &QLineEdit::textEdited, this, [this] { logic_->ComboBox1Change(); });
            edits_[static_cast<std::size_t>(row.Field)] = edit;
            control = edit;
        }
        control->setObjectName(row.Control);
        control->setMinimumWidth(180);
        form->addRow(new QLabel(ToQt(row.Label), innerPanel_), control);
    }
    auto* panelLayout = new QVBoxLayout(settingsPanel_);
    panelLayout->addWidget(innerPanel_);

    auto* bar = new QHBoxLayout;
    struct ButtonRow {
        const char* Name;
        std::string_view Caption;
        void (bridge::TFrmSubiekt::*Handler)();
    };
    const ButtonRow buttons[] = {{"Button1", "OK", &bridge::TFrmSubiekt::Button1Click},
                                 {"Button3", "Test Połączenia"_pl, &bridge::TFrmSubiekt::Button3Click},
                                 {"Button4", "Zapisz Ustawienia", &bridge::TFrmSubiekt::Button4Click},
                                 {"Button2", "Anuluj", &bridge::TFrmSubiekt::Button2Click}};
    for (const ButtonRow& b : buttons) {
        auto* button = new QPushButton(ToQt(b.Caption), this);
        button->setObjectName(b.Name);
        auto handler = b.Handler;
        connect(button, &QPushButton::clicked, this, [this, handler] { (logic_.get()->*handler)(); });
        bar->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsPanel_, 1);
    layout->addLayout(bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The application's general error handler: what ends an operation is shown in a message box.
    InstallApplicationExceptionHandler(
        [this](TObject*, const std::exception* e) {
            QMessageBox::critical(this, QCoreApplication::applicationName(), ToQt(ExceptionMessage(*e)),
                                  QMessageBox::Ok);
        },
        this);

    logic_ = std::make_unique<bridge::TFrmSubiekt>(*this, *this, runner, casprtc, std::move(folders));
    SetPanelColour(bridge::PanelColour::ButtonFace);

    // The start-up timer: its one tick comes once the window is shown and events flow.
    timer_.setSingleShot(true);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &SubiektWindow::TimerTick);
    timer_.start();
}

SubiektWindow::~SubiektWindow() {
    // The controls outlive this part of the window while the base class tears them down; what
    // they signal then (a combo box losing its line edit) must not reach the handlers here.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    if (ApplicationExceptionHandlerOwner() == this) RemoveApplicationExceptionHandler();
}

void SubiektWindow::TimerTick() {
    logic_->TimerTick();
    if (closeAfterTimer_ && isVisible()) close();
}

QLineEdit* SubiektWindow::Edit(SettingsField field) const {
    return field == SettingsField::Model ? model_->lineEdit() : edits_[static_cast<std::size_t>(field)];
}

std::string SubiektWindow::FieldText(SettingsField field) const {
    return FromQt(Edit(field)->text());
}

void SubiektWindow::SetFieldText(SettingsField field, const std::string& text) {
    if (field == SettingsField::Model)
        model_->setEditText(ToQt(text));
    else
        Edit(field)->setText(ToQt(text));
}

void SubiektWindow::ShowSettingsPanel() {
    settingsPanel_->show();
}

void SubiektWindow::SetPanelColour(bridge::PanelColour colour) {
    QPalette p = innerPanel_->palette();
    p.setColor(QPalette::Window,
               colour == bridge::PanelColour::Blue ? QColor(0, 0, 255) : palette().color(QPalette::Button));
    innerPanel_->setPalette(p);
}

bool SubiektWindow::AskYesNo(const std::string& question) {
    return QMessageBox::warning(this, windowTitle(), ToQt(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void SubiektWindow::ShowError(const std::string& message) {
    QMessageBox::critical(this, windowTitle(), ToQt(message), QMessageBox::Ok);
}

void SubiektWindow::ShowMessage(const std::string& message) {
    QMessageBox::information(this, windowTitle(), ToQt(message), QMessageBox::Ok);
}

void SubiektWindow::ShowException(const std::exception& error) {
    EMException::ShowExceptionNow(&error);
}

void SubiektWindow::BeginWait() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void SubiektWindow::EndWait() {
    QApplication::restoreOverrideCursor();
}

void SubiektWindow::KeepAlive() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SubiektWindow::closeEvent(QCloseEvent* event) {
    if (logic_->FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
