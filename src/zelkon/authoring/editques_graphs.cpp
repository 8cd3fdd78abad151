// TfrmEditQues: the bitmaps of the lesson's graph folder, their preview and enlarged view, and
// adding them to the question and answer graphs.
#include "authoring/editques.h"

#include "authoring/bmp.h"
#include "authoring/cp932_text_edit.h"
#include "authoring/editor_unit.h"
#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "sheet/graph_loading.h"
#include "shell/program.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>

namespace zelkon {

void TfrmEditQues::fillGraphList(int lesson)
{
    flbGraph->clear();
    m_graphFolder = graphFolder(m_program.state.programFolder, m_program.index, lesson);
    if (m_graphFolder.empty())
        return;
    // Courseware spells the extension as it likes: "*.BMP" matches ".bmp" as well.
    const QDir folder(QString::fromStdString(ToFsPath(m_graphFolder)),
                      QStringLiteral("*.bmp"),
                      QDir::Name | QDir::IgnoreCase,
                      QDir::Files);
    flbGraph->addItems(folder.entryList());
}

void TfrmEditQues::clearPreview()
{
    m_preview = QPixmap();
    m_previewName.clear();
    QPixmap blank(imgGraph->size());
    blank.fill(Qt::white);
    imgGraph->setPixmap(blank);
}

void TfrmEditQues::flbGraphClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const Cp932Conversion name = ToCp932(item->text());
    if (!name.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(name.badCharacter));
        return;
    }
    const std::string path = m_graphFolder + name.bytes;
    if (!FileExists(path)) {
        m_program.prompter.message(MissingFileMessage(path));
        return;
    }
    QPixmap picture;
    if (!picture.load(QString::fromStdString(ToFsPath(path)))) {
        m_program.prompter.message(Utf8ToCp932("ファイル ") + path
                                   + Utf8ToCp932(" を読み込めません"));
        return;
    }
    m_preview = picture;
    m_previewName = item->text();
    // The preview shows the whole picture, shrunk to fit when it is larger; the enlarged view
    // shows it at its own size.
    const QSize room = imgGraph->size() - QSize(4, 4);
    if (picture.width() <= room.width() && picture.height() <= room.height())
        imgGraph->setPixmap(picture);
    else if (picture.width() * room.height() >= picture.height() * room.width())
        imgGraph->setPixmap(picture.scaledToWidth(room.width(), Qt::SmoothTransformation));
    else
        imgGraph->setPixmap(picture.scaledToHeight(room.height(), Qt::SmoothTransformation));
}

void TfrmEditQues::imgGraphClick()
{
    if (m_preview.isNull())
        return;
    m_viewer.ShowPicture(m_preview, m_previewName);
}

void TfrmEditQues::addGraphs(Cp932TextEdit *area, bool answerGraphs)
{
    std::vector<std::string> names;
    for (int row = 0; row < flbGraph->count(); ++row) {
        const QListWidgetItem *item = flbGraph->item(row);
        if (!item->isSelected())
            continue;
        const Cp932Conversion name = ToCp932(item->text());
        if (!name.ok) {
            m_program.prompter.message(RefusedCharacterMessageCp932(name.badCharacter));
            continue;
        }
        names.push_back(name.bytes);
    }
    if (names.empty())
        return;
    std::optional<std::vector<std::string>> lines = area->lines();
    if (!lines)
        return;
    const int refused = AddGraphEntries(*lines,
                                        names,
                                        answerGraphs ? GraphArea::answer : GraphArea::question,
                                        m_program.renderTables.runStartTable);
    area->replaceLines(*lines);
    for (int k = 0; k < refused; ++k)
        m_program.prompter.message(GraphLimitMessage());
}

} // namespace zelkon
