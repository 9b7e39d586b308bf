#pragma once

#include "RegisterChecks.h"

#include <QHash>
#include <QVariantList>
#include <QWidget>

#include <optional>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace trelimor {

class DataControl;
class DataGrid;

// Where a matrix goes: the direction's code and the slot's type code, both required. The
// refusal focuses the code box, or the slot's type-name box when one is given.
std::optional<Refusal> matrixPlaceRefusal(const QString& directionCode, const QString& typeCode,
                                          const QString& typeFocus);

// What the matrix editor reads of the window it works in (the test directions register).
class MatrixWindow
{
public:
    virtual ~MatrixWindow() = default;

    // The window, over which the matrix frame is centred, and its edit frame, which holds the
    // matrices' grid.
    virtual QWidget& windowWidget() = 0;
    virtual QWidget& editFrame() = 0;
    // The selected slot, 1 to 4, and the type code of the slot last selected.
    virtual int selectedSlot() const = 0;
    virtual const QString& TypBiezacy() const = 0;
    // The direction's code as it is stored, and whether it is stored under that code.
    virtual QString directionCode() const = 0;
    virtual bool directionStored() const = 0;
    // A control of the window by its name; null when there is none.
    virtual QWidget* control(const QString& name) const = 0;
};

// The matrices of the direction frame's selected slot: their grid with add, correct and
// delete, and the frame FrameMatryca, centred in the window, in which one matrix is typed.
// While that frame is open the direction frame's own buttons, its tab strip and its code wait.
class MatrixEditor : public QWidget
{
    Q_OBJECT

public:
    explicit MatrixEditor(MatrixWindow& window);

    DataControl& dataControl() const { return *m_data; }
    DataGrid& grid() const { return *m_grid; }
    QGroupBox& frame() const { return *m_frame; }

    // The matrices of one direction code and type code; none; every matrix.
    void showMatrices(const QString& directionCode, const QString& typeCode);
    void showNone();
    void showAll();
    // Adds the current matrix's name and detailed result (TextMatryca, TextWynik) when the
    // list has one.
    void addCurrentMatrix(QHash<QString, QString>& values) const;

    void ComDodajMatryca_Click();
    void ComPoprawMatryca_Click();
    void ComUsunMatryca_Click();
    // True when the matrix was stored.
    bool ComZapiszMatryca_Click();
    void ComAnulujMatryca_Click();

    bool NowaMatryca() const { return m_nowaMatryca; }
    const QString& StaraMatryca() const { return m_staraMatryca; }

    void placeFrame();

private:
    QGroupBox* buildFrame();
    void bind(const QString& sql, const QVariantList& params = {});
    std::optional<Refusal> placeRefusal(bool focusTypeName) const;
    void refuse(const Refusal& refusal);
    void openFrame(const QString& caption);
    void closeFrame();
    // Stores the matrix in one locked transaction; a refusal or failure is handed back and
    // shown once the transaction has ended.
    std::optional<Refusal> writeMatrix(qint64& saved);

    MatrixWindow& m_window;
    DataControl* m_data;
    DataGrid* m_grid;
    QGroupBox* m_frame;
    QLineEdit* TextMatryca;
    QPlainTextEdit* TextWynikMatryca;
    QRadioButton* OptionAkredytacjaT;
    QRadioButton* OptionAkredytacjaN;

    bool m_nowaMatryca = false;
    QString m_staraMatryca;
    qint64 m_editedRowid = -1;
};

} // namespace trelimor
