#pragma once

#include <QWidget>

class CObrixApp;

class CComparePage : public QWidget
{
    Q_OBJECT

public:
    explicit CComparePage(CObrixApp& app, QWidget* parent = nullptr);
};
