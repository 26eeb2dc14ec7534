#include "cli/file_load.h"

#include "analysis/load_text.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

void print(FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fputc('\n', to);
}

std::optional<FileLoad> load_data_file(const QString& file, const ChoixDesClasses& choices, RecordStore& store,
                                       ClassTable& table, QString& error) {
    // Read block by block: the file is never held whole.
    std::optional<platform::FileBlocks> blocks;
    try {
        blocks.emplace(file);
    } catch (const platform::Error& e) {
        error = e.text();
        return std::nullopt;
    }
    table = ClassTable();
    std::optional<FileLoad> out;
    try {
        out.emplace(FileLoad{charge_le_fichier(*blocks, choices, store, table), {}});
    } catch (const platform::Error& e) {
        if (!blocks->failed()) throw;  // not the reading: the class choices
        error = e.text();
        return std::nullopt;
    }
    const PasseDesLignes& pass = out->load.enregistrements;
    // The lines that are no record are skipped, and the records read are fitted.
    if (pass.nb_enregistrements == 0) out->notes << file + QStringLiteral(": ") + texte_sans_enregistrement(pass);
    out->notes << texte_lignes_ignorees(file, pass);
    if (pass.capacite_depassee) out->notes << file + QStringLiteral(": ") + texte_capacite_depassee().trimmed();
    if (pass.ligne_en_attente) out->notes << file + QStringLiteral(": ") + texte_ligne_en_attente();
    out->notes.removeAll(QString());
    return out;
}
