#pragma once

#include <QWidget>

class CObrixApp;

// Tab of the data sheet; the page tells what it is for until its controls arrive.
class CComparePage : public QWidget
{
    Q_OBJECT

public:
    explicit CComparePage(CObrixApp& app, QWidget* parent = nullptr);
};
