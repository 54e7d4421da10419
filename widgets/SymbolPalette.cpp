#include "SymbolPalette.h"

#include "MenuWidgetAccessible.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr int kButtonSize = 26;
} // namespace

TSymbolPalette::TSymbolPalette(const QString& ClearCaption, QWidget* Parent) : QWidget(Parent) {
    TMenuWidgetItemAccessible::InstallFactory();
    setObjectName(QStringLiteral("SymbolPalette"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    clear_ = new QPushButton(ClearCaption, this);
    clear_->setObjectName(QStringLiteral("PaletteClear"));
    clear_->setAccessibleName(ClearCaption);
    connect(clear_, &QPushButton::clicked, this, [this] { Choose(clear_); });
    clear_->installEventFilter(this);
}

void TSymbolPalette::SetSymbols(const QStringList& Symbols, int Columns) {
    QStringList shown;
    for (const QPushButton* b : symbols_)
        shown << b->text();
    if (shown == Symbols && Columns == columns_)
        return;
    for (QPushButton* b : symbols_)
        delete b;
    symbols_.clear();
    columns_ = std::max(1, Columns);
    auto* grid = static_cast<QGridLayout*>(layout());
    for (int i = 0; i < Symbols.size(); ++i) {
        auto* b = new QPushButton(Symbols[i], this);
        b->setObjectName(QStringLiteral("PaletteSymbol") + Symbols[i]);
        b->setAccessibleName(QStringLiteral("Symbol ") + Symbols[i]);
        b->setFixedSize(kButtonSize, kButtonSize);
        connect(b, &QPushButton::clicked, this, [this, b] { Choose(b); });
        b->installEventFilter(this);
        grid->addWidget(b, i / columns_, i % columns_);
        symbols_.push_back(b);
    }
    grid->addWidget(clear_, (int(Symbols.size()) + columns_ - 1) / columns_, 0, 1, columns_);
    // Tab order follows reading order, so that a screen reader and the keys meet them alike.
    const std::vector<QPushButton*> all = Buttons();
    for (size_t i = 1; i < all.size(); ++i)
        setTabOrder(all[i - 1], all[i]);
}

std::vector<QPushButton*> TSymbolPalette::Buttons() const {
    std::vector<QPushButton*> all = symbols_;
    all.push_back(clear_);
    return all;
}

void TSymbolPalette::Choose(const QPushButton* Button) {
    emit Chosen(Button == clear_ ? QString() : Button->text());
}

bool TSymbolPalette::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(Event)))
        return true;
    return QWidget::eventFilter(Watched, Event);
}

bool TSymbolPalette::HandleKey(const QKeyEvent* Event) {
    const std::vector<QPushButton*> all = Buttons();
    auto at = std::find(all.begin(), all.end(), focusWidget());
    const int n = int(symbols_.size());
    const int index = at == all.end() ? -1 : int(at - all.begin());
    int next = -1;
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (index >= 0) {
            Choose(all[size_t(index)]);
            return true;
        }
        break;
    case Qt::Key_Left:
        next = index > 0 && index < n ? index - 1 : index;
        break;
    case Qt::Key_Right:
        next = index >= 0 && index + 1 < n ? index + 1 : index;
        break;
    case Qt::Key_Up:
        next = index < 0 ? n : (index == n ? n - 1 - (n - 1) % columns_ : index - columns_);
        break;
    case Qt::Key_Down:
        next = index < 0 ? 0 : (index + columns_ < n ? index + columns_ : (index < n ? n : -1));
        break;
    default:
        break;
    }
    if (next < 0 || next >= int(all.size()))
        // Out of the palette: the menu around it moves on to its items.
        return false;
    all[size_t(next)]->setFocus(Qt::OtherFocusReason);
    return true;
}
