#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QWidget;

// frmMain: the multiple-document frame whose menu starts every function.
// It holds no data beyond its title band and the state of "Down load file";
// the commands themselves are wired by the Shell.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdi; }
    QWidget* titleBand() const { return m_band; }
    // A menu item or menu by its object name (mnuNew, mnufile, ...).
    QAction* menuAction(const QString& name) const;

    // The status bar's first panel; an empty text puts its own back.
    void setStatusText(const QString& text);

    // Reads the stored placement and applies it.
    void applyPlacement();

signals:
    // Between New's hiding of the title band and its enabling of "Down load file".
    void newRequested();
    void downloadRequested();
    void connectRequested();
    void addUserRequested();
    void editUserRequested();
    void loadDefaultRequested();
    void importRoomsRequested();
    void exportRoomsRequested();
    void printRoomsRequested();
    void backupRequested();
    void restoreRequested();
    void transferHistoryRequested();
    void downloadAllRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildTitleBand(QWidget* client);
    void buildStatusBar();
    void layOutClient();
    void tick();
    void onNew();

    QWidget* m_client = nullptr;
    QWidget* m_band = nullptr;
    QMdiArea* m_mdi = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QRect m_placement;
    bool m_placementPending = false;
};
