<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassOverviewModel</name>
    <message>
        <location filename="../src/core/report/classoverview.cpp" line="+129"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last sheet</source>
        <translation>Letztes Blatt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last level</source>
        <translation>Letzte Stufe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last score</source>
        <translation>Letzte Punkte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weak facts</source>
        <translation>Schwache Aufgaben</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>, rising</source>
        <translation>, steigend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, falling</source>
        <translation>, fallend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, steady</source>
        <translation>, gleichbleibend</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <location filename="../src/gui/report/classwindow.cpp" line="+27"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Students of the class</source>
        <translation>Schüler der Klasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One row for each student: sheets, scores and weak sums</source>
        <translation>Eine Zeile je Kind: Blätter, Punkte und unsichere Aufgaben</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save the table as a CSV file</source>
        <translation>Die Tabelle als CSV-Datei speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the table or save it as PDF</source>
        <translation>Die Tabelle drucken oder als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the class overview and go back to the report</source>
        <translation>Die Klassenübersicht schließen und zum Bericht zurück</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Export class</source>
        <translation>Klasse exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.csv</source>
        <translation>klasse.csv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the class report as a PDF file instead?</source>
        <translation>Möchten Sie den Klassenbericht stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Class Report</source>
        <translation>Klassenbericht speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.pdf</source>
        <translation>klasse.pdf</translation>
    </message>
</context>
<context>
    <name>ColumnTutor</name>
    <message>
        <location filename="../src/gui/tutors/columntutor.cpp" line="+28"/>
        <source>Column sum</source>
        <translation>Rechnen in Spalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer digit</source>
        <translation>Ziffer der Antwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type the answer digit of the column the arrow points at</source>
        <translation>Tippe die Ziffer für die Spalte beim Pfeil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Carry</source>
        <translation>Übertrag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the first number</source>
        <translation>Ziffer der ersten Zahl</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the second number</source>
        <translation>Ziffer der zweiten Zahl</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+27"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Pointer</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>carry</source>
        <translation>Übtr.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worked column: carry</source>
        <translation>Gerechnete Spalte: Übertrag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Worked column: first digit</source>
        <translation>Gerechnete Spalte: erste Ziffer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Worked column: second digit</source>
        <translation>Gerechnete Spalte: zweite Ziffer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Worked column: total</source>
        <translation>Gerechnete Spalte: Summe</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+183"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="-179"/>
        <source>Show the right digit</source>
        <translation>Zeig die richtige Ziffer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tutor</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>units</source>
        <translation>Einer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tens</source>
        <translation>Zehner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hundreds</source>
        <translation>Hunderter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>thousands</source>
        <translation>Tausender</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>No!</source>
        <translation>Nein!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes!</source>
        <translation>ja!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Correct!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>ErrorDiagnosis</name>
    <message>
        <location filename="../src/core/exercise/errordiagnosis.cpp" line="+148"/>
        <source>Left blank</source>
        <translation>Leer gelassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gave the difference, not the sum</source>
        <translation>Differenz statt Summe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forgot to carry</source>
        <translation>Übertrag vergessen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Carried where nothing carries</source>
        <translation>Übertrag, wo keiner ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Swapped two digits</source>
        <translation>Zwei Ziffern vertauscht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by one</source>
        <translation>Um eins daneben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by ten</source>
        <translation>Um zehn daneben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One digit wrong</source>
        <translation>Eine Ziffer falsch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another mistake</source>
        <translation>Anderer Fehler</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <location filename="../src/gui/exercise/exercisewindow.cpp" line="+42"/>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percentage of right answers, shown after checking</source>
        <translation>Anteil richtiger Antworten in Prozent, nach dem Prüfen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time taken</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time since the questions were set</source>
        <translation>Zeit seit dem Start der Aufgaben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing a level sets new questions</source>
        <translation>Eine Stufe wählen gibt neue Aufgaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HELP ME</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open a tutor that explains the first wrong question</source>
        <translation>Öffnet eine Hilfe, die die erste falsche Aufgabe erklärt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Main Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set new questions and start the clock again</source>
        <translation>Neue Aufgaben und die Uhr neu starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Answers</source>
        <translation>Antworten prüfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mark the answers and record the score</source>
        <translation>Antworten prüfen und Punkte speichern</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Question %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number of question %1</source>
        <translation>Erste Zahl von Aufgabe %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Second number of question %1</source>
        <translation>Zweite Zahl von Aufgabe %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer to question %1</source>
        <translation>Antwort zu Aufgabe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the sum of the two numbers</source>
        <translation>Tippe die Summe der zwei Zahlen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark of question %1</source>
        <translation>Zeichen von Aufgabe %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right answer to question %1</source>
        <translation>Richtige Antwort zu Aufgabe %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Addition Excercise</source>
        <translation>Plus-Aufgaben</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Üben</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Question %1 is right</source>
        <translation>Aufgabe %1 ist richtig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question %1 is wrong</source>
        <translation>Aufgabe %1 ist falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wrong; the right answer is %1</source>
        <translation>Falsch; richtig ist %1</translation>
    </message>
</context>
<context>
    <name>FactGridModel</name>
    <message>
        <location filename="../src/core/report/factgridmodel.cpp" line="+45"/>
        <source>right and quick</source>
        <translation>richtig und schnell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right but slow</source>
        <translation>richtig, aber langsam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong recently</source>
        <translation>zuletzt falsch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>never seen</source>
        <translation>noch nie gestellt</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>First number %1</source>
        <translation>Erste Zahl %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second number %1</source>
        <translation>Zweite Zahl %1</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <location filename="../src/gui/report/factswindow.cpp" line="+79"/>
        <source>Facts - %1</source>
        <translation>Einspluseins - %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose the level whose sums are shown</source>
        <translation>Die Stufe wählen, deren Aufgaben gezeigt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sums from 0 + 0 to 10 + 10</source>
        <translation>Aufgaben von 0 + 0 bis 10 + 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each sum marked by how well it is known</source>
        <translation>Jede Aufgabe mit einem Zeichen, wie gut sie sitzt</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Slips and sums most often missed</source>
        <translation>Fehlerarten und häufigste Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The kinds of slip of the last sheets, each with an example</source>
        <translation>Die Fehlerarten der letzten Blätter, jede mit einem Beispiel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print this view or save it as PDF</source>
        <translation>Diese Ansicht drucken oder als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the facts and go back to the report</source>
        <translation>Das Einspluseins schließen und zum Bericht zurück</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Slip</source>
        <translation>Fehlerart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latest example</source>
        <translation>Letztes Beispiel</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Lines not read: %1.</source>
        <translation>Nicht gelesene Zeilen: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>blank: never seen</source>
        <translation>leer: noch nie gestellt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Sums most often missed</source>
        <translation>Am häufigsten falsch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Missed</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>No wrong answers at this level in the last %n sheets.</source>
        <translation>
            <numerusform>Keine falsche Antwort auf dieser Stufe im letzten Blatt.</numerusform>
            <numerusform>Keine falsche Antwort auf dieser Stufe in den letzten %n Blättern.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Wrong answers of the last %n sheets at this level.</source>
        <translation>
            <numerusform>Falsche Antworten des letzten Blatts auf dieser Stufe.</numerusform>
            <numerusform>Falsche Antworten der letzten %n Blätter auf dieser Stufe.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Facts - %1, level %2</source>
        <translation>Einspluseins - %1, Stufe %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the facts as a PDF file instead?</source>
        <translation>Möchten Sie die Übersicht stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Facts</source>
        <translation>Einspluseins speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>facts.pdf</source>
        <translation>einspluseins.pdf</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <location filename="../src/core/records/answerlog.cpp" line="+55"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no record of answers is written for this student.</source>
        <translation>„%1“ kann nicht als Dateiname dienen, daher werden für diesen Schüler keine Antworten gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/core/records/atomicfile.cpp" line="+94"/>
        <source>it is a folder, not a plain file</source>
        <translation>es ist ein Ordner, keine normale Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a plain file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <location filename="../src/core/records/filelock.cpp" line="+37"/>
        <source>its lock &quot;%1&quot; is not a plain file</source>
        <translation>seine Sperrdatei „%1“ ist keine normale Datei</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>sumtrail on this or another computer is changing it; please try again in a moment</source>
        <translation>sumtrail ändert sie gerade auf diesem oder einem anderen Computer; bitte gleich noch einmal versuchen</translation>
    </message>
    <message>
        <location filename="../src/core/records/fileresult.cpp" line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/core/records/roster.cpp" line="+152"/>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/core/records/history.cpp" line="+34"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no history file is written for this student.</source>
        <translation>„%1“ kann nicht als Dateiname dienen, daher wird für diesen Schüler keine Ergebnisdatei geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/core/records/recordfile.cpp" line="+42"/>
        <source>it is a link, not a plain file</source>
        <translation>es ist eine Verknüpfung, keine normale Datei</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The file &quot;%1&quot; could not be written: %2.
Part of the result may be left at its end: %3.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.
An ihrem Ende kann ein Teil des Ergebnisses stehen: %3.</translation>
    </message>
    <message>
        <location filename="../src/core/records/roster.cpp" line="+39"/>
        <source>No change to the student list is saved until the file can be read whole.</source>
        <translation>Änderungen der Schülerliste werden erst gespeichert, wenn die Datei ganz gelesen werden kann.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n line(s) of the file &quot;%1&quot; are too long to be names: they are not listed, and a change of the list leaves them out.</source>
        <translation>
            <numerusform>%n Zeile der Datei „%1“ ist zu lang für einen Namen: Sie wird nicht angezeigt, und eine Änderung der Liste lässt sie weg.</numerusform>
            <numerusform>%n Zeilen der Datei „%1“ sind zu lang für Namen: Sie werden nicht angezeigt, und eine Änderung der Liste lässt sie weg.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../src/gui/menu/mainmenu.cpp" line="+29"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close sumtrail</source>
        <translation>sumtrail schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Out Exercise</source>
        <translation>Übung drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print a worksheet of addition questions</source>
        <translation>Ein Blatt mit Plus-Aufgaben drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Exercise</source>
        <translation>Übung starten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer sixteen addition questions against the clock</source>
        <translation>Sechzehn Plus-Aufgaben gegen die Uhr rechnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reports</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List the chosen student&apos;s past results</source>
        <translation>Die bisherigen Ergebnisse des gewählten Schülers zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete Student</source>
        <translation>Schüler löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove the chosen student from the list</source>
        <translation>Den gewählten Schüler aus der Liste entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Student</source>
        <translation>Neuer Schüler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add a new student to the list</source>
        <translation>Einen neuen Schüler in die Liste aufnehmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+5"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Choose who is working</source>
        <translation>Wähle, wer rechnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Greeting</source>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Press &quot;NEW STUDENT&quot; to begin</source>
        <translation>Drücke &quot;NEUER SCHÜLER&quot; zum Anfangen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+47"/>
        <source>Please select student to begin or press &quot;New Student&quot;</source>
        <translation>Bitte wähle einen Schüler oder drücke &quot;Neuer Schüler&quot;</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+72"/>
        <source>Please Select student to begin or press &quot;New Student&quot;</source>
        <translation>Bitte wähle einen Schüler oder drücke &quot;Neuer Schüler&quot;</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Welcome </source>
        <translation>Willkommen </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Do you want to delete user %1?</source>
        <translation>Schüler %1 löschen?</translation>
    </message>
</context>
<context>
    <name>NewStudentDialog</name>
    <message>
        <location filename="../src/gui/menu/newstudentdialog.cpp" line="+29"/>
        <location line="+11"/>
        <location line="+13"/>
        <source>Student Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Type the name of the new student</source>
        <translation>Tippe den Namen des neuen Schülers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close without adding a student</source>
        <translation>Schließen, ohne einen Schüler aufzunehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add the student to the list</source>
        <translation>Den Schüler in die Liste aufnehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name</source>
        <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+11"/>
        <source>Student Already exist!</source>
        <translation>Diesen Schüler gibt es schon!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.
The student list could not be changed back either, so it lists %3 without a history file: %4</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.
Auch die Schülerliste ließ sich nicht zurücksetzen; sie führt %3 nun ohne Ergebnisdatei: %4</translation>
    </message>
</context>
<context>
    <name>PictureTutor</name>
    <message>
        <location filename="../src/gui/tutors/picturetutor.cpp" line="+26"/>
        <source>Picture sum</source>
        <translation>Rechnen mit Bildern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Picture of the second number</source>
        <translation>Bild der zweiten Zahl</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Counting place</source>
        <translation>Zählplatz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures in the first row</source>
        <translation>Bilder in der ersten Reihe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures in the second row</source>
        <translation>Bilder in der zweiten Reihe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures counted</source>
        <translation>Gezählte Bilder</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add one</source>
        <translation>Eins dazu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move one picture of the second number down and count it</source>
        <translation>Ein Bild der zweiten Zahl nach unten holen und mitzählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the tutor and go back to the exercise</source>
        <translation>Hilfe schließen und zurück zur Übung</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Tutor</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <location filename="../src/gui/print/printwindow.cpp" line="+34"/>
        <source>Worksheet preview</source>
        <translation>Vorschau des Blatts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select the level and press the &quot;NEW&quot; button to generate new execise. </source>
        <translation>Bitte eine Stufe wählen und &quot;NEU&quot; drücken, um neue Aufgaben zu erzeugen. </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press &quot;PRINT&quot; button to print the execise.</source>
        <translation>&quot;DRUCKEN&quot; druckt die Aufgaben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level of the printed questions</source>
        <translation>Stufe der gedruckten Aufgaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make new questions of the chosen level</source>
        <translation>Neue Aufgaben der gewählten Stufe erzeugen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the worksheet on the default printer</source>
        <translation>Das Blatt auf dem Standarddrucker drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAIN MENU</source>
        <translation>HAUPTMENÜ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Zurück zum Hauptmenü</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Print Excerises</source>
        <translation>Übungen drucken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Do you want to print exercise?</source>
        <translation>Übung drucken?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Review for %1, %2</source>
        <translation>Wiederholung für %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>sumtrail worksheet</source>
        <translation>sumtrail-Arbeitsblatt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to save the worksheet as a PDF file instead?</source>
        <translation>Möchten Sie das Blatt stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>worksheet.pdf</source>
        <translation>arbeitsblatt.pdf</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <location filename="../src/gui/report/progresschart.cpp" line="+31"/>
        <source>Progress - %1</source>
        <translation>Fortschritt - %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Show the scores or the time taken</source>
        <translation>Die Punkte oder die gebrauchte Zeit zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time taken</source>
        <translation>Benötigte Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the chart and go back to the report</source>
        <translation>Die Fortschrittskurve schließen und zum Bericht zurück</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No results yet: the chart fills in as exercises are checked.</source>
        <translation>Noch keine Ergebnisse: Die Grafik füllt sich, sobald Übungen geprüft werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each point is the mean of one day&apos;s results.</source>
        <translation>Jeder Punkt ist der Mittelwert der Ergebnisse eines Tages.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Results written with the same date and time are shown as their mean.</source>
        <translation>Ergebnisse mit gleichem Datum und gleicher Uhrzeit erscheinen als ihr Mittelwert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not shown, as their date, level or score cannot be read: %1.</source>
        <translation>Nicht gezeigt, weil Datum, Stufe oder Punkte nicht lesbar sind: %1.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Score by date</source>
        <translation>Punkte nach Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken by date</source>
        <translation>Benötigte Zeit nach Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score (%)</source>
        <translation>Punkte (%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken (minutes:seconds)</source>
        <translation>Benötigte Zeit (Minuten:Sekunden)</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <location filename="../src/core/report/reportline.h" line="+20"/>
        <source>Date                        Level       Score       Speed</source>
        <translation>Datum                       Stufe      Punkte        Zeit</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <location filename="../src/gui/report/reportwindow.cpp" line="+35"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the report</source>
        <translation>Den Bericht schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One line per checked exercise: date, level, score, time</source>
        <translation>Eine Zeile je geprüfter Übung: Datum, Stufe, Punkte, Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show a chart of the scores</source>
        <translation>Eine Grafik der Punkte zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the results as a file of comma-separated values</source>
        <translation>Die Ergebnisse als CSV-Datei (durch Kommas getrennt) speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Facts</source>
        <translation>Einspluseins</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show which sums the student knows, fact by fact</source>
        <translation>Zeigen, welche Aufgaben der Schüler kann, eine nach der anderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show every student of the class at a glance</source>
        <translation>Alle Schüler der Klasse auf einen Blick zeigen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Student : </source>
        <translation>Schüler: </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Export results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>datafile</name>
    <message>
        <location filename="../src/core/records/datafile.cpp" line="+32"/>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is a folder, not a plain file</source>
        <translation>es ist ein Ordner, keine normale Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a named pipe, not a plain file</source>
        <translation>es ist eine benannte Pipe, keine normale Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a socket, not a plain file</source>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a plain file</source>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the folder it was in no longer exists</source>
        <translation>der Ordner, in dem sie lag, existiert nicht mehr</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is a link to a file that does not exist</source>
        <translation>es ist eine Verknüpfung auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>it is a link to a place outside this folder</source>
        <translation>es ist eine Verknüpfung auf einen Ort außerhalb dieses Ordners</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>it is a link, not a plain file</source>
        <translation>es ist eine Verknüpfung, keine normale Datei</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../src/gui/print/printing.cpp" line="+57"/>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Der Drucker „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The printer &quot;%1&quot; did not accept the page.</source>
        <translation>Der Drucker „%1“ hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the PDF document could not be started</source>
        <translation>das PDF-Dokument konnte nicht begonnen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the PDF document could not be finished</source>
        <translation>das PDF-Dokument konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is no printer set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file was saved as &quot;%1&quot;.</source>
        <translation>Die Datei wurde als „%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>tablepage</name>
    <message>
        <location filename="../src/core/print/tablepage.cpp" line="+78"/>
        <source>Rows not on this page: %1.</source>
        <translation>Zeilen nicht auf dieser Seite: %1.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <location filename="../src/gui/plugins/pluginloader.cpp" line="+22"/>
        <source>A part of sumtrail could not be loaded: %1</source>
        <translation>Ein Teil von sumtrail konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>lib%1.so does not provide %2</source>
        <translation>lib%1.so bietet %2 nicht an</translation>
    </message>
</context>
</TS>
