#pragma once

// The windows keep their widgets to themselves; tests find them by their object names, as a
// screen reader or a test robot would.

#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "StopuhrDialog.h"
#include "SudokuRiddle.h"
#include "WordRiddle.h"
#include "ZahlenDialog.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>

namespace parts {

template <class T = QToolButton> T* Named(const QObject* Owner, const char* Name) {
    return Owner->findChild<T*>(QLatin1String(Name));
}

inline TWordRiddle* WordGridOf(const QObject* Form) {
    return Named<TWordRiddle>(Form, "WordGrid");
}

inline TSudokuRiddle* SudokuOf(const QObject* Form) {
    return Named<TSudokuRiddle>(Form, "Sudoku");
}

// The grid that received the riddle; the other one stays hidden.
inline TGridRiddle* ShownGridOf(const QObject* Form) {
    TWordRiddle* word = WordGridOf(Form);
    return word->isHidden() ? static_cast<TGridRiddle*>(SudokuOf(Form)) : word;
}

// A tool window of the riddle window: beside it in the main window's client area, or its child
// while the riddle window stands alone.
template <class T> T* ToolOf(const QMdiSubWindow* Form) {
    if (const QMdiArea* area = Form->mdiArea()) {
        for (QMdiSubWindow* w : area->subWindowList())
            if (auto* tool = qobject_cast<T*>(w))
                return tool;
        return nullptr;
    }
    return Form->findChild<T*>();
}

} // namespace parts
