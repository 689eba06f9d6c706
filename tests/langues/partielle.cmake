# A new language's first catalogue, de.po, with a single text: the catalogue
# header written from it beside French and English, as the build writes the
# program's (catalogue.py works from its own folder, the README beside it).
file(COPY ${RACINE}/langues/catalogue.py ${RACINE}/langues/orbeline.pot ${RACINE}/langues/en.po
     DESTINATION ${DOSSIER}/langues)
file(COPY ${RACINE}/README.md DESTINATION ${DOSSIER})
file(WRITE ${DOSSIER}/langues/de.po [[
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgctxt "lancer"
msgid "Lancer"
msgstr "Starten"
]])
execute_process(COMMAND ${PYTHON} ${DOSSIER}/langues/catalogue.py textes ${DOSSIER}/catalogue.h fr en de
                COMMAND_ERROR_IS_FATAL ANY)
