#pragma once
// Main: the entry window and hub of the program. It owns the program-wide
// state (station, language, entry mode), the QSO list and the entry fields.
#include "entry/io_messages.h"
#include "entry/texts.h"

#include <optional>
#include "log/log_list_model.h"

#include <QMainWindow>
#include <QByteArray>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QTimer;

namespace ktl {

class Platform;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  enum class EntryMode { NewEntry, InsertEntry, EditEntry };

  explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence: settings, first-use station choice, splash, log.
  void startUp();

  // Program-wide state, read by the other windows.
  Platform& platform() { return platform_; }
  QString stationCallsign() const { return stationCallsign_; }
  QString uiLanguage() const { return uiLanguage_; }
  Language language() const { return languageFromSetting(uiLanguage_); }
  EntryMode entryMode() const { return entryMode_; }
  bool realTimeEntry() const { return realTimeEntry_; }
  bool alreadyContacted() const { return alreadyContacted_; }
  QByteArray selectedLine() const { return selectedLine_; }
  QString revision() const { return revision_; }
  QString historyText() const { return historyText_; }
  QString logPath() const;
  LogListModel& logModel() { return model_; }

  // Shared log services.
  void loadLogIntoList();
  void selectLastLine();
  void effaceQso();
  // Shows a message of the current language; nothing for an unknown language.
  void say(Msg msg);
  void showText(const std::optional<QString>& text);
  // Reports a failed file operation; the file on disk is unchanged.
  void reportFileError(const QString& detail, FileAction action = FileAction::Write, const QString& path = {});

  // Writes the whole log to <CALL>_KTL.adi and names the file.
  void exportLog();

  // Makes an accepted callsign (stored form) the station of the program:
  // creates its log when new, stores the choice, restores its band and mode
  // and shows its log. False (station unchanged) when the log cannot be made.
  bool changeStation(const QString& storedCallsign);
  // Selects the stored list positions; see applyStoredIndex.
  void restoreBandAndMode(bool startUp);

  // Real-time (date and time from the UTC clock) or deferred entry.
  void setRealTimeEntry(bool on);

  // Captions_Francais / Captions_Anglais / Captions_Italien.
  void applyLanguage(const QString& value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum Field { Ind, Type, Ref, Date, Heure, Mode, Bande, RstA, RstB, Rem, Qsl, FieldCount };

  void buildControls();
  void buildMenus();
  void clockTick();
  void setEntryCaption(EntryState state, bool fromLanguageSwitch = false);
  void setFieldColour(QWidget* w, bool awaitingInput);
  void openField(Field from, Field to);
  QWidget* fieldWidget(Field f) const;
  QString fieldText(Field f) const;
  void setFieldText(Field f, const QString& text);
  bool onEnter(Field f);
  void afterKey(Field f);
  void fillFieldsFromLine(const QByteArray& displayLine);
  void showLineForChange(int row);  // steps shared by click and double click
  void onListSelection(int row);
  void onListDoubleClick(int row);
  void onCommit();
  void onInsert();
  void onDelete();
  std::optional<Field> firstIncompleteField(Msg* msg) const;
  QByteArray lineFromFields() const;
  void writeListPosition(Field f);
  void refreshAccessibleNames();
  void changeLanguageFromMenu(const QString& value);

  Platform& platform_;
  LogListModel model_;

  QString stationCallsign_ = QStringLiteral("XXXXX");
  QString uiLanguage_ = QStringLiteral("Francais");
  EntryMode entryMode_ = EntryMode::NewEntry;
  EntryState entryState_ = EntryState::New;
  bool realTimeEntry_ = true;
  bool alreadyContacted_ = false;
  QByteArray selectedLine_;
  QString revision_;
  QString historyText_;
  bool selectingFromCode_ = false;

  // Controls, named as the design names them (objectName).
  QLineEdit *Ind_A, *Type_A, *Ref_A, *Date_A, *Heure_A, *RST_A, *RST_B, *Rem_A;
  QComboBox *Mode_A, *Bande_A;
  QCheckBox* QSL_A;
  QPushButton *Valide_A, *Efface_A, *Insert_Saisie, *Annule_Saisie, *Rechercher;
  QListView* Liste_KTL;
  QLabel *Label_Liste_KTL, *Label7, *Label12, *Label37, *Label34, *Label33, *I_Station, *Label2;
  QLabel *Label8, *Label36, *Label1, *Label5, *Label40, *Label16, *Label10, *Label41, *Label6, *Label4, *Label3, *Label11;
  QGroupBox *L_Communes, *Frame3;
  QTimer* Timer1;
  QMenu *Mnu_Fichier, *mnu_Langue, *Mnu_Station;
  QAction *Mnu_Quitter, *Mnu_Import_ADIF, *Mnu_Export_ADIF, *Mnu_Francais, *Mnu_Anglais, *Mnu_Italien, *Mnu_New_Indicatif;
};

}  // namespace ktl
