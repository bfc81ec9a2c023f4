#pragma once

#include <QTableView>

#include <vector>

class QAction;

namespace kolvenar {

class SortableTableModel;

// A list of the Mehrfachsuche: whole rows are highlighted, several at once, and copied as the
// main table copies them (Ctrl+C or the context menu); a click on a column title sorts by it, and
// the context menu's "Sortieren nach" does the same from the keyboard (Shift+F10, the menu key).
class SortableTableView : public QTableView {
    Q_OBJECT

public:
    SortableTableView(SortableTableModel& model, const QString& name, QWidget* parent);

    SortableTableModel& Model() const { return model_; }
    // Entries of the window that the context menu offers below its own.
    void SetWindowEntries(QList<QAction*> entries) { windowEntries_ = std::move(entries); }
    // Highlighted rows as shown, ascending.
    std::vector<int> HighlightedRows() const;
    void CopyHighlightedRows();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HeaderClicked(int column);
    void ShowSortIndicator();
    void AddSortMenu(QMenu& menu);

    SortableTableModel& model_;
    QAction* copy_ = nullptr;
    QAction* selectAll_ = nullptr;
    QList<QAction*> windowEntries_;
};

}  // namespace kolvenar
