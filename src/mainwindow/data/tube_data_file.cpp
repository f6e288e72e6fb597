// Saving and loading the form as a tube data file. The file logic lives in
// TubeData; the window only supplies its fields and shows what went wrong.

#include "dialogs.h"
#include "edit_history.h"
#include "lochkartor.h"
#include "tube_data_form.h"
#include "tube_data_reader.h"
#include "tube_data_writer.h"
#include "tube_file.h"
#include "ui_lochkartor.h"

#include <QFileInfo>

bool Lochkartor::saveTubeData(const QString &fileName)
{
    const TubeData::Problem problem
        = TubeData::writeFile(fileName, saveConditions(), [this](const TubeData::Key &key) {
              return TubeData::fieldValue(*this, key);
          });
    if (problem.ok()) {
        documentSaved(fileName);
        return true;
    }
    Dialogs::critical(this, TubeData::problemTitle(problem),
                      TubeData::problemText(problem, fileName));
    return false;
}

// Nothing of a file reaches the form unless every value it would load can
// be right, so a refused file leaves the form and the cards as they were.
// An accepted file is read into a tube, which the window then shows: the
// same file gives the same form and card whatever the window showed before.
TubeData::Problem Lochkartor::loadTubeDataQuietly(const QString &fileName,
                                                  std::vector<TubeData::Adjustment> *adjusted)
{
    const TubeData::Contents contents = TubeData::readFile(fileName);
    if (!contents.problem.ok())
        return contents.problem;
    TubeData::LoadedTube loaded = TubeData::tubeOf(contents);
    showTube(loaded.tube);
    if (adjusted)
        *adjusted = std::move(loaded.adjustments);
    return contents.problem;
}

// Every value's slot runs as for a user edit; the cards, the check colours
// and the changed mark, which depend on the finished form alone, wait for it.
void Lochkartor::fillForm(const std::function<void()> &fill)
{
    {
        const EditHistory::Pause pause(m_history);
        const CardUpdate update(this);
        m_fillingForm = true;
        fill();
        m_fillingForm = false;
    }
    refreshModified();
    if (m_history)
        m_history->formFilled();
}

bool Lochkartor::loadTubeData(const QString &fileName)
{
    std::vector<TubeData::Adjustment> adjusted;
    TubeData::Problem problem;
    // One step, which undo takes back to the tube and the file before.
    m_history->replaceForm(
        tr("Laden „%1“").arg(QFileInfo(fileName).fileName()),
        [&] {
            problem = loadTubeDataQuietly(fileName, &adjusted);
            if (problem.ok())
                documentLoaded(fileName);
            return problem.ok();
        },
        EditHistory::Saved::Yes);
    if (problem.ok()) {
        if (!adjusted.empty())
            Dialogs::information(this, TubeData::adjustmentsTitle(),
                                 TubeData::adjustmentsText(adjusted));
        return true;
    }
    const auto buttons
        = problem.kind == TubeData::Problem::WrongVersion ? QMessageBox::Cancel : QMessageBox::Ok;
    Dialogs::critical(this, TubeData::problemTitle(problem),
                      TubeData::problemText(problem, fileName), buttons);
    return false;
}

QString Lochkartor::loadTubeDataOrError(const QString &fileName)
{
    return TubeData::problemText(loadTubeDataQuietly(fileName, nullptr), fileName);
}
