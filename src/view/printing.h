#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

#include "engine/sim_state.h"

class Canvas;
class MovableShape;
class QAction;
class QCheckBox;
class QPushButton;
class NameDialog;
class PlatformServices;
class QWidget;

// The controls printing works with: its button and menu entries, the
// measuring switch (no selection while measuring) and the selection frame.
struct PrintingControls {
    QPushButton* printTrace;
    QAction* print;
    QAction* printCopySelect;
    QAction* whoAmI;
    QAction* copySelect;
    QCheckBox* measure;
    MovableShape* frame;
};

// Printing the trace or a selection with the user's name, copying a
// selected rectangle to the clipboard, and the name itself.
class Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)

public:
    Printing(const PrintingControls& c, PlatformServices& platform, Canvas& table, QWidget* window);

    void connectAll();
    // A name already in the dialog (remembered from the last start) shows in the caption.
    void setNameDialog(NameDialog* dialog);

    void printImage(const QImage& picture);
    void printTrace();
    void printCopySelect();
    void whoAmI();

    void selectionStart(int x, int y);
    void selectionMove(int x, int y);
    void selectionFinish();

    const QImage& copyPicture() const { return Image1_; }
    // A selection copied since the last reset, to print; told when one is.
    bool hasCopy() const { return copied_; }
    void forgetCopy() { copied_ = false; }
    std::function<void()> copied;
    bool selecting() const { return selecting_; }
    void cancelSelection() { selecting_ = false; }
    QString userName() const;

private:
    PrintingControls c_;
    PlatformServices& platform_;
    Canvas& table_;
    QWidget* window_;
    NameDialog* nameDialog_ = nullptr;
    QImage Image1_;
    bool selecting_ = false;
    bool copied_ = false;
    int anchorX_ = 0, anchorY_ = 0;   // where the frame was started, image coordinates
    int cornerX_ = 0, cornerY_ = 0;   // the corner the mouse moves
    QObject context_;   // its connections end with this concern
};
