#pragma once

#include <QWidget>

#include <cstdint>

class CObrixApp;
class CDataPropSheet;

// The right pane: hosts the tabbed "Data Sheet".
class CDataView : public QWidget
{
    Q_OBJECT

public:
    explicit CDataView(CObrixApp& app, QWidget* parent = nullptr);
    CDataPropSheet* sheet() const;

private:
    CDataPropSheet* m_sheet = nullptr;
};
