// SPDX-License-Identifier: MIT
// Building the selection page from its template and showing the core page's
// state in its controls.
#include "ui/page/keld_select.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "selection/page/page_controls.h"
#include "ui/controls/pictures.h"
#include "ui/controls/static_color.h"
#include "ui/core_boundary.h"
#include "ui/dialog_units.h"
#include "ui/page/multi_header_list.h"
#include "ui/page/page_template.h"

namespace keld::ui {
namespace {

// The page's background, behind its radios and captions as well.
const QColor kPageColour(176, 226, 255);
// Disabled captions and texts in the system's grey text colour: the toolkit's
// own lighter grey all but vanishes on the page's light blue.
const QColor kGrayText(109, 109, 109);
// The picture of the unit m²·K/kW beside the fouling factors.
constexpr int kFoulingUnitBitmap = 153;

// A read-only edit keeps the system's face colour, as a disabled one does,
// so it is plain which of flow and inlet temperature is entered.
void ShowReadOnly(QLineEdit* edit, bool readOnly) {
    if (edit->isReadOnly() == readOnly) return;
    edit->setReadOnly(readOnly);
    QPalette palette = edit->palette();
    const QPalette system = QApplication::palette(edit);
    palette.setColor(QPalette::Base,
                     readOnly ? system.color(QPalette::Window) : system.color(QPalette::Base));
    edit->setPalette(palette);
}

}  // namespace

CKeldSelect::CKeldSelect(SelectionPage& page, CoreBoundary& boundary, QWidget* parent)
    : QWidget(parent), page_(page), boundary_(boundary) {
    setFont(dialogFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, kPageColour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        background.setColor(QPalette::Disabled, role, kGrayText);
    }
    setPalette(background);
    setAutoFillBackground(true);
    const DialogUnits units(font());
    resize(units.size(kPageWidthUnits, kPageHeightUnits));
    buildFromTemplate();
    pageSubscription_ = page_.subscribe(*this);
    refresh();
}

CKeldSelect::~CKeldSelect() = default;

bool CKeldSelect::act(const std::function<void()>& call) {
    if (boundary_.run(call)) return true;
    boundary_.run([this] { refresh(); });
    return false;
}

void CKeldSelect::buildFromTemplate() {
    const DialogUnits units(font());
    // A group box's rectangle holds its caption: the frame's top line runs
    // through the middle of the caption's line, the caption interrupts it a
    // little in from the left, and the controls lie below, clear of both.
    const QColor page = palette().color(QPalette::Window);
    const QColor frame = palette().color(QPalette::Mid);
    const QString groupBoxStyle =
        QStringLiteral(
            "QGroupBox { border: 1px solid %1; margin-top: %2px; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: %3px;"
            " padding: 0px 2px; background-color: %4; }")
            .arg(frame.name())
            .arg(fontMetrics().height() / 2)
            .arg(units.x(4))
            .arg(page.name());
    QWidget* previous = nullptr;
    for (const TemplateControl& t : PageTemplate()) {
        const QString text = QString::fromUtf8(t.text);
        QWidget* widget = nullptr;
        switch (t.kind) {
            case TemplateControl::Kind::GroupBox:
                // The caption in the text colour: white, as a classic dialog
                // would paint it, cannot be read on the light blue.
                widget = new QGroupBox(text, this);
                widget->setStyleSheet(groupBoxStyle);
                break;
            case TemplateControl::Kind::Label:
            case TemplateControl::Kind::ColumnLabel: {
                auto* label = new QLabel(text, this);
                label->setAlignment(t.kind == TemplateControl::Kind::ColumnLabel
                                        ? Qt::AlignCenter
                                        : Qt::AlignLeft | Qt::AlignVCenter);
                widget = label;
                break;
            }
            case TemplateControl::Kind::EtchedLine: {
                auto* line = new QFrame(this);
                line->setFrameShape(QFrame::VLine);
                line->setFrameShadow(QFrame::Sunken);
                widget = line;
                break;
            }
            case TemplateControl::Kind::Radio: {
                auto* radio = new QRadioButton(text, this);
                // The core page decides which radio of a group is checked.
                radio->setAutoExclusive(false);
                const int id = t.id;
                connect(radio, &QRadioButton::clicked, this, [this, id] { radioClicked(id); });
                radio->installEventFilter(this);
                radios_[id] = radio;
                widget = radio;
                break;
            }
            case TemplateControl::Kind::Edit: {
                auto* edit = new QLineEdit(this);
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                const int id = t.id;
                connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& typed) {
                    act([&] { page_.setEditText(id, typed.toStdString()); });
                });
                edit->installEventFilter(this);
                edits_[id] = edit;
                widget = edit;
                break;
            }
            case TemplateControl::Kind::FluidList: {
                fluidList_ = new QComboBox(this);
                fluidList_->addItems({QStringLiteral("Water"), QStringLiteral("Glycol")});
                connect(fluidList_, &QComboBox::activated, this,
                        [this](int index) { act([&] { page_.selectFluid(index == 1); }); });
                widget = fluidList_;
                break;
            }
            case TemplateControl::Kind::UnitPicture: {
                auto* picture = new CStaticColor(this);
                picture->setDrawMode(CStaticColor::DrawMode::Bitmap);
                picture->setBitmap(BitmapResource(kFoulingUnitBitmap));
                widget = picture;
                break;
            }
            case TemplateControl::Kind::ResultList: {
                list_ = new CMultiHeaderList(page_.results(), boundary_, this);
                // The list keeps the system's colours, not the page's.
                list_->setPalette(QApplication::palette(list_));
                connect(list_, &CMultiHeaderList::rowClicked, this,
                        [this] { act([this] { page_.RestoreInputsFromRow(); }); });
                widget = list_;
                break;
            }
        }
        widget->setGeometry(units.rect(t.x, t.y, t.width, t.height));
        if (t.id >= 0) controls_[t.id] = widget;
        // Tab order follows the template's control order.
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr) setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

QWidget* CKeldSelect::control(int controlId) const {
    auto found = controls_.find(controlId);
    return found != controls_.end() ? found->second : nullptr;
}

void CKeldSelect::refresh() {
    for (int id : SelectionPage::ControlIds()) controlChanged(id);
}

void CKeldSelect::controlChanged(int controlId) {
    QWidget* widget = control(controlId);
    if (widget == nullptr) return;
    const ControlState state = page_.controlState(controlId);
    widget->setEnabled(state.enabled);
    if (auto edit = edits_.find(controlId); edit != edits_.end()) {
        const QString text = QString::fromStdString(state.text);
        // Only a changed text is set, so the cursor stays where the user
        // types.
        if (edit->second->text() != text) edit->second->setText(text);
        ShowReadOnly(edit->second, state.readOnly);
    } else if (auto radio = radios_.find(controlId); radio != radios_.end()) {
        radio->second->setChecked(state.checked);
    } else if (controlId == kFluidList) {
        fluidList_->setCurrentIndex(state.text == "Glycol" ? 1 : 0);
    }
}

}  // namespace keld::ui
