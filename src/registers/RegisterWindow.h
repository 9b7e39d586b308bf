#pragma once

#include "RegisterConfig.h"

#include <QDialog>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trelimor {

class DataControl;
class DataGrid;
class RegisterFrame;

// The register window every dictionary table is kept in: a grid over the table through the
// window's data control, an edit frame hidden while browsing, and the buttons that add,
// correct, delete, save, cancel and close. A register is this window with its configuration
// (RegisterConfig): its controls' names and captions, its table and fields, its checks and
// messages, and small hooks where it does more.
//
// A correction stays on the record it was opened on (its rowid), whatever the grid shows when
// it is saved; a save is one transaction: the duplicate test, the row and the marks it moves.
class RegisterWindow : public QDialog
{
    Q_OBJECT

public:
    const RegisterConfig& config() const { return m_config; }
    DataControl& dataControl() const { return *m_data; }
    DataGrid& grid() const { return *m_grid; }
    RegisterFrame& frame() const { return *m_frame; }
    // A control of the window (or of its frame) by its name.
    QWidget* control(const QString& name) const;

    // True while the frame adds a row, false while it corrects one.
    bool NowyRekord() const { return m_nowyRekord; }
    // The stored record a correction writes (its rowid); -1 while adding.
    qint64 editedRowid() const { return m_editedRowid; }
    // The table the window edits: its register's, or the one the opener bound.
    QString table() const;

    // Enables or disables the browsing controls while the frame (or the search) is open.
    void Klawisze(bool on);

    // The openers' settings: select an order's option button (which binds its order), and
    // bind the data control to a query on the dictionary database.
    void selectOrdering(int index);
    int selectedOrdering() const;
    void bindRecords(const QString& sql);

    // The operations behind the buttons and the grid.
    void add();
    void correct();
    // True when the row was stored (and the frame closed).
    bool save();
    void remove();
    void cancel();
    void closeWindow();
    void startSearch();
    void acceptSearch();
    void pick();
    // Closing by the window's frame or Escape: an open frame or search is cancelled first.
    void reject() override;
    void setVisible(bool visible) override;

    // Shows the frame in its mode with its caption, locks the window and focuses the box.
    void openFrame(bool isNew, const QString& caption, const QString& focus);
    // The key after the last one of the recordset's last row ("1" without rows).
    static QString keyAfterLast(db::Recordset& records, const QString& keyField);

protected:
    explicit RegisterWindow(RegisterConfig config, QWidget* parent = nullptr);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildBottomRows(QBoxLayout* layout);
    void keepRoomForControls();
    void placeFrame();
    void proposeKey();
    void positionSearch();
    void buildFilteringSearch(QBoxLayout* row);
    void filterSearch();
    QVariant storedValueOf(const QString& box, const FrameValues& values) const;
    // Stores the frame's row in one locked transaction; what refused or failed is handed back
    // and shown by the caller once the transaction has ended.
    std::optional<Refusal> writeRow(FrameValues& values, db::Recordset::Bookmark& saved);
    void showRefusal(const Refusal& refusal);
    void focusControl(const QString& name);

    RegisterConfig m_config;
    DataControl* m_data;
    DataGrid* m_grid;
    RegisterFrame* m_frame;
    QList<QRadioButton*> m_options;
    QLineEdit* m_searchBox = nullptr;
    QPushButton* m_searchAccept = nullptr;
    QComboBox* m_criteria = nullptr; // the criteria of a filtering search

    bool m_nowyRekord = false;
    qint64 m_editedRowid = -1;
    QString m_storedUniqueValue; // the corrected row's value of the field kept unique
};

} // namespace trelimor
