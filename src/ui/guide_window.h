#pragma once
// Help > "Slidora &Guide" (F1): the teachers' guide with its pictures, from
// the copy built into the program, so it works offline and fits the version.

#include <QTextBrowser>

class GuideWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // Shows the guide, at its top the first time.
    void open();
};
