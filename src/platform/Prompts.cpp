#include "platform/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

TPromptAnswer TQtPrompts::Confirm(const QString& Text, bool WithCancel)
{
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), Text,
                  WithCancel ? (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                             : (QMessageBox::Yes | QMessageBox::No),
                  FParent);
  box.setDefaultButton(QMessageBox::Yes);
  if (WithCancel)
    box.setEscapeButton(QMessageBox::Cancel);
  else
    box.setEscapeButton(QMessageBox::No);
  switch (box.exec()) {
  case QMessageBox::Yes: return TPromptAnswer::Yes;
  case QMessageBox::No: return TPromptAnswer::No;
  default: return WithCancel ? TPromptAnswer::Cancel : TPromptAnswer::No;
  }
}

void TQtPrompts::Notice(const QString& Text)
{
  QMessageBox::information(FParent, QApplication::applicationName(), Text);
}

void TQtPrompts::Error(const QString& Text)
{
  QMessageBox::critical(FParent, QApplication::applicationName(), Text);
}

QString TQtPrompts::QtFilter(const QString& Filter)
{
  const QStringList parts = Filter.split(u'|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts.at(i + 1);
    patterns.replace(u';', u' ');
    QString description = parts.at(i);
    const qsizetype paren = description.indexOf(u'(');
    if (paren >= 0)
      description = description.left(paren).trimmed();
    entries << QStringLiteral("%1 (%2)").arg(description, patterns);
  }
  return entries.join(QStringLiteral(";;"));
}

QString TQtPrompts::ChooseOpenFile(const TFileDialogSpec& Spec)
{
  QFileDialog dialog(FParent, Spec.Title, QString(), QtFilter(Spec.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(Spec.DefaultExt);
  if (!Spec.InitialFile.isEmpty())
    dialog.selectFile(Spec.InitialFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  return dialog.selectedFiles().constFirst();
}

QString TQtPrompts::ChooseSaveFile(const TFileDialogSpec& Spec)
{
  QFileDialog dialog(FParent, Spec.Title, QString(), QtFilter(Spec.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(Spec.DefaultExt);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !Spec.PromptOverwrite);
  if (!Spec.InitialFile.isEmpty())
    dialog.selectFile(Spec.InitialFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  return dialog.selectedFiles().constFirst();
}

TPromptAnswer TScriptedPrompts::Confirm(const QString& Text, bool WithCancel)
{
  Log << QStringLiteral("confirm: ") + Text;
  if (Answers.empty())
    return WithCancel ? TPromptAnswer::Cancel : TPromptAnswer::No;
  const TPromptAnswer a = Answers.front();
  Answers.pop_front();
  return a;
}

void TScriptedPrompts::Notice(const QString& Text)
{
  Log << QStringLiteral("notice: ") + Text;
}

void TScriptedPrompts::Error(const QString& Text)
{
  Log << QStringLiteral("error: ") + Text;
}

QString TScriptedPrompts::ChooseOpenFile(const TFileDialogSpec& Spec)
{
  Log << QStringLiteral("open: ") + Spec.Title;
  if (OpenFiles.empty())
    return QString();
  const QString f = OpenFiles.front();
  OpenFiles.pop_front();
  return f;
}

QString TScriptedPrompts::ChooseSaveFile(const TFileDialogSpec& Spec)
{
  Log << QStringLiteral("save: ") + Spec.Title;
  if (SaveFiles.empty())
    return QString();
  const QString f = SaveFiles.front();
  SaveFiles.pop_front();
  return f;
}

QStringList TScriptedPrompts::Notices() const
{
  QStringList out;
  for (const QString& l : Log)
    if (l.startsWith(QStringLiteral("notice: ")))
      out << l.mid(8);
  return out;
}
