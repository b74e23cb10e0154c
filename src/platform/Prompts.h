#pragma once
// The questions, notices and file choosers of the main window go through this one
// interface, so that the real Qt dialogs can be replaced by a script in tests.
#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

enum class TPromptAnswer { Yes, No, Cancel };

struct TFileDialogSpec {
  QString Title;
  // Filter in the "Description|*.a;*.b|Other|*.c" form: bars separate descriptions from
  // pattern lists.
  QString Filter;
  QString DefaultExt; // without the dot
  bool PromptOverwrite = false;
  QString InitialFile;
};

class TPrompts {
public:
  virtual ~TPrompts() = default;
  // A Yes/No/Cancel question (WithCancel) or a Yes/No question.
  virtual TPromptAnswer Confirm(const QString& Text, bool WithCancel) = 0;
  // A plain notice with an OK button.
  virtual void Notice(const QString& Text) = 0;
  // An error notice (the standard error box).
  virtual void Error(const QString& Text) = 0;
  // The chosen file, or an empty string when the dialog was cancelled.
  virtual QString ChooseOpenFile(const TFileDialogSpec& Spec) = 0;
  virtual QString ChooseSaveFile(const TFileDialogSpec& Spec) = 0;
};

// The real dialogs, parented to a window.
class TQtPrompts : public TPrompts {
public:
  explicit TQtPrompts(QWidget* Parent) : FParent(Parent) {}
  TPromptAnswer Confirm(const QString& Text, bool WithCancel) override;
  void Notice(const QString& Text) override;
  void Error(const QString& Text) override;
  QString ChooseOpenFile(const TFileDialogSpec& Spec) override;
  QString ChooseSaveFile(const TFileDialogSpec& Spec) override;

  // "Design Pages (*.qzpage,*.xml)|*.qzpage;*.xml" in Qt's "Design Pages (*.qzpage *.xml)"
  // form, one entry per description.
  static QString QtFilter(const QString& Filter);

private:
  QWidget* FParent;
};

// A scripted stand-in for tests: answers are taken from queues (an empty queue answers
// Cancel, or an empty file name), and everything asked or shown is logged in order.
class TScriptedPrompts : public TPrompts {
public:
  TPromptAnswer Confirm(const QString& Text, bool WithCancel) override;
  void Notice(const QString& Text) override;
  void Error(const QString& Text) override;
  QString ChooseOpenFile(const TFileDialogSpec& Spec) override;
  QString ChooseSaveFile(const TFileDialogSpec& Spec) override;

  std::deque<TPromptAnswer> Answers;
  std::deque<QString> OpenFiles;
  std::deque<QString> SaveFiles;
  // "confirm: <text>", "notice: <text>", "error: <text>", "open: <title>", "save: <title>".
  QStringList Log;
  QStringList Notices() const;
};
