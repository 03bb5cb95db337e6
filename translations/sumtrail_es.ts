<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ClassOverviewModel</name>
    <message>
        <location filename="../src/core/report/classoverview.cpp" line="+129"/>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last sheet</source>
        <translation>Última hoja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last level</source>
        <translation>Último nivel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last score</source>
        <translation>Última nota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weak facts</source>
        <translation>Sumas débiles</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>, rising</source>
        <translation>, subiendo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, falling</source>
        <translation>, bajando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, steady</source>
        <translation>, estable</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <location filename="../src/gui/report/classwindow.cpp" line="+27"/>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Students of the class</source>
        <translation>Alumnos de la clase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One row for each student: sheets, scores and weak sums</source>
        <translation>Una fila por alumno: fichas, notas y sumas flojas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save the table as a CSV file</source>
        <translation>Guardar la tabla como archivo CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the table or save it as PDF</source>
        <translation>Imprimir la tabla o guardarla como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the class overview and go back to the report</source>
        <translation>Cerrar la vista de la clase y volver al informe</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Export class</source>
        <translation>Exportar la clase</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.csv</source>
        <translation>clase.csv</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Class report</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the class report as a PDF file instead?</source>
        <translation>¿Quiere guardar el informe de la clase como archivo PDF?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Class Report</source>
        <translation>Guardar el informe de la clase</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>class.pdf</source>
        <translation>clase.pdf</translation>
    </message>
</context>
<context>
    <name>ColumnTutor</name>
    <message>
        <location filename="../src/gui/tutors/columntutor.cpp" line="+28"/>
        <source>Column sum</source>
        <translation>Suma en columnas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer digit</source>
        <translation>Cifra de la respuesta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type the answer digit of the column the arrow points at</source>
        <translation>Escribe la cifra de la columna que señala la flecha</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Carry</source>
        <translation>Llevada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the first number</source>
        <translation>Cifra del primer número</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digit of the second number</source>
        <translation>Cifra del segundo número</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+27"/>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Pointer</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>carry</source>
        <translation>llevo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worked column: carry</source>
        <translation>Columna hecha: llevada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Worked column: first digit</source>
        <translation>Columna hecha: primera cifra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Worked column: second digit</source>
        <translation>Columna hecha: segunda cifra</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Worked column: total</source>
        <translation>Columna hecha: total</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+183"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="-179"/>
        <source>Show the right digit</source>
        <translation>Muestra la cifra correcta</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tutor</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>units</source>
        <translation>unidades</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tens</source>
        <translation>decenas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hundreds</source>
        <translation>centenas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>thousands</source>
        <translation>millares</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>No!</source>
        <translation>¡No!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>yes!</source>
        <translation>¡sí!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>ErrorDiagnosis</name>
    <message>
        <location filename="../src/core/exercise/errordiagnosis.cpp" line="+148"/>
        <source>Left blank</source>
        <translation>Dejada en blanco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gave the difference, not the sum</source>
        <translation>Dio la resta, no la suma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forgot to carry</source>
        <translation>Olvidó la llevada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Carried where nothing carries</source>
        <translation>Llevada donde no hay</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Swapped two digits</source>
        <translation>Dos cifras cambiadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by one</source>
        <translation>Fallo por uno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Off by ten</source>
        <translation>Fallo por diez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One digit wrong</source>
        <translation>Una cifra mal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another mistake</source>
        <translation>Otro error</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <location filename="../src/gui/exercise/exercisewindow.cpp" line="+42"/>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percentage of right answers, shown after checking</source>
        <translation>Porcentaje de respuestas correctas, tras corregir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Time taken</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time since the questions were set</source>
        <translation>Tiempo desde que empezaron las preguntas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choosing a level sets new questions</source>
        <translation>Elegir un nivel pone preguntas nuevas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HELP ME</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open a tutor that explains the first wrong question</source>
        <translation>Abre una ayuda que explica la primera pregunta mal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Main Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NUEVO</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set new questions and start the clock again</source>
        <translation>Preguntas nuevas y el reloj empieza otra vez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Answers</source>
        <translation>Comprobar respuestas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mark the answers and record the score</source>
        <translation>Corrige las respuestas y guarda la nota</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number of question %1</source>
        <translation>Primer número de la pregunta %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Second number of question %1</source>
        <translation>Segundo número de la pregunta %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Answer to question %1</source>
        <translation>Respuesta a la pregunta %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the sum of the two numbers</source>
        <translation>Escribe la suma de los dos números</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark of question %1</source>
        <translation>Marca de la pregunta %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right answer to question %1</source>
        <translation>Respuesta correcta a la pregunta %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Addition Excercise</source>
        <translation>Ejercicio de sumas</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Repite</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Question %1 is right</source>
        <translation>La pregunta %1 está bien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question %1 is wrong</source>
        <translation>La pregunta %1 está mal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wrong; the right answer is %1</source>
        <translation>Mal; la respuesta correcta es %1</translation>
    </message>
</context>
<context>
    <name>FactGridModel</name>
    <message>
        <location filename="../src/core/report/factgridmodel.cpp" line="+45"/>
        <source>right and quick</source>
        <translation>bien y rápido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right but slow</source>
        <translation>bien pero lento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong recently</source>
        <translation>mal hace poco</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>never seen</source>
        <translation>nunca vista</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>First number %1</source>
        <translation>Primer número %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Second number %1</source>
        <translation>Segundo número %1</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <location filename="../src/gui/report/factswindow.cpp" line="+79"/>
        <source>Facts - %1</source>
        <translation>Sumas básicas - %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose the level whose sums are shown</source>
        <translation>Elegir el nivel cuyas sumas se muestran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sums from 0 + 0 to 10 + 10</source>
        <translation>Sumas de 0 + 0 a 10 + 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each sum marked by how well it is known</source>
        <translation>Cada suma marcada según lo bien que se sabe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Slips and sums most often missed</source>
        <translation>Errores y sumas más falladas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The kinds of slip of the last sheets, each with an example</source>
        <translation>Los tipos de fallo de las últimas fichas, cada uno con un ejemplo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print this view or save it as PDF</source>
        <translation>Imprimir esta vista o guardarla como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the facts and go back to the report</source>
        <translation>Cerrar las sumas y volver al informe</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Slip</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latest example</source>
        <translation>Último ejemplo</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Lines not read: %1.</source>
        <translation>Líneas no leídas: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>blank: never seen</source>
        <translation>en blanco: nunca vista</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Sums most often missed</source>
        <translation>Sumas más falladas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Missed</source>
        <translation>Falladas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Answered</source>
        <translation>Respondidas</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>No wrong answers at this level in the last %n sheets.</source>
        <translation>
            <numerusform>Ninguna respuesta mal en este nivel en la última hoja.</numerusform>
            <numerusform>Ninguna respuesta mal en este nivel en las últimas %n hojas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Wrong answers of the last %n sheets at this level.</source>
        <translation>
            <numerusform>Respuestas mal de la última hoja en este nivel.</numerusform>
            <numerusform>Respuestas mal de las últimas %n hojas en este nivel.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Facts - %1, level %2</source>
        <translation>Sumas básicas - %1, nivel %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Do you want to save the facts as a PDF file instead?</source>
        <translation>¿Quiere guardar las sumas básicas como archivo PDF?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Facts</source>
        <translation>Guardar las sumas básicas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>facts.pdf</source>
        <translation>sumas.pdf</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <location filename="../src/core/records/answerlog.cpp" line="+55"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no record of answers is written for this student.</source>
        <translation>«%1» no sirve como nombre de archivo, así que no se guardan las respuestas de este alumno.</translation>
    </message>
    <message>
        <location filename="../src/core/records/atomicfile.cpp" line="+94"/>
        <source>it is a folder, not a plain file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/core/records/filelock.cpp" line="+37"/>
        <source>its lock &quot;%1&quot; is not a plain file</source>
        <translation>su bloqueo «%1» no es un archivo normal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>sumtrail on this or another computer is changing it; please try again in a moment</source>
        <translation>sumtrail lo está cambiando en este u otro ordenador; inténtelo de nuevo en un momento</translation>
    </message>
    <message>
        <location filename="../src/core/records/fileresult.cpp" line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../src/core/records/roster.cpp" line="+152"/>
        <source>Nothing was changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <location filename="../src/core/records/history.cpp" line="+34"/>
        <source>&quot;%1&quot; cannot be used as a file name, so no history file is written for this student.</source>
        <translation>«%1» no sirve como nombre de archivo, así que no se escribe el historial de este alumno.</translation>
    </message>
    <message>
        <location filename="../src/core/records/recordfile.cpp" line="+42"/>
        <source>it is a link, not a plain file</source>
        <translation>es un enlace, no un archivo normal</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The file &quot;%1&quot; could not be written: %2.
Part of the result may be left at its end: %3.</source>
        <translation>No se pudo escribir el archivo «%1»: %2.
Puede haber quedado parte del resultado al final: %3.</translation>
    </message>
    <message>
        <location filename="../src/core/records/roster.cpp" line="+39"/>
        <source>No change to the student list is saved until the file can be read whole.</source>
        <translation>No se guarda ningún cambio de la lista de alumnos hasta que el archivo pueda leerse entero.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n line(s) of the file &quot;%1&quot; are too long to be names: they are not listed, and a change of the list leaves them out.</source>
        <translation>
            <numerusform>%n línea del archivo «%1» es demasiado larga para ser un nombre: no se muestra, y un cambio de la lista la deja fuera.</numerusform>
            <numerusform>%n líneas del archivo «%1» son demasiado largas para ser nombres: no se muestran, y un cambio de la lista las deja fuera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../src/gui/menu/mainmenu.cpp" line="+29"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close sumtrail</source>
        <translation>Cerrar sumtrail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Out Exercise</source>
        <translation>Imprimir ejercicio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print a worksheet of addition questions</source>
        <translation>Imprimir una hoja de sumas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Exercise</source>
        <translation>Empezar ejercicio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer sixteen addition questions against the clock</source>
        <translation>Hacer dieciséis sumas contra el reloj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reports</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>List the chosen student&apos;s past results</source>
        <translation>Ver los resultados del alumno elegido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete Student</source>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove the chosen student from the list</source>
        <translation>Quitar al alumno elegido de la lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Student</source>
        <translation>Nuevo alumno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add a new student to the list</source>
        <translation>Añadir un alumno nuevo a la lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+5"/>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Choose who is working</source>
        <translation>Elige quién trabaja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome</source>
        <translation>¡Hola!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Greeting</source>
        <translation>Saludo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Press &quot;NEW STUDENT&quot; to begin</source>
        <translation>Pulsa «NUEVO ALUMNO» para empezar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+47"/>
        <source>Please select student to begin or press &quot;New Student&quot;</source>
        <translation>Elige un alumno o pulsa «Nuevo alumno»</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+72"/>
        <source>Please Select student to begin or press &quot;New Student&quot;</source>
        <translation>Elige un alumno o pulsa «Nuevo alumno»</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Welcome </source>
        <translation>Hola, </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Do you want to delete user %1?</source>
        <translation>¿Borrar al alumno %1?</translation>
    </message>
</context>
<context>
    <name>NewStudentDialog</name>
    <message>
        <location filename="../src/gui/menu/newstudentdialog.cpp" line="+29"/>
        <location line="+11"/>
        <location line="+13"/>
        <source>Student Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Type the name of the new student</source>
        <translation>Escribe el nombre del alumno nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close without adding a student</source>
        <translation>Cerrar sin añadir alumno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add the student to the list</source>
        <translation>Añadir el alumno a la lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <location line="+60"/>
        <location line="+11"/>
        <source>Student Already exist!</source>
        <translation>¡Ese alumno ya existe!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file &quot;%1&quot; could not be written: %2.
The student list could not be changed back either, so it lists %3 without a history file: %4</source>
        <translation>No se pudo escribir el archivo «%1»: %2.
Tampoco se pudo deshacer el cambio de la lista de alumnos, así que incluye a %3 sin historial: %4</translation>
    </message>
</context>
<context>
    <name>PictureTutor</name>
    <message>
        <location filename="../src/gui/tutors/picturetutor.cpp" line="+26"/>
        <source>Picture sum</source>
        <translation>Suma con dibujos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Picture of the second number</source>
        <translation>Dibujo del segundo número</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Counting place</source>
        <translation>Sitio para contar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures in the first row</source>
        <translation>Dibujos de la primera fila</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures in the second row</source>
        <translation>Dibujos de la segunda fila</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pictures counted</source>
        <translation>Dibujos contados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add one</source>
        <translation>Uno más</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move one picture of the second number down and count it</source>
        <translation>Baja un dibujo del segundo número y cuéntalo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the tutor and go back to the exercise</source>
        <translation>Cerrar la ayuda y volver al ejercicio</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Tutor</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <location filename="../src/gui/print/printwindow.cpp" line="+34"/>
        <source>Worksheet preview</source>
        <translation>Vista previa de la hoja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select the level and press the &quot;NEW&quot; button to generate new execise. </source>
        <translation>Elija el nivel y pulse «NUEVO» para crear un ejercicio nuevo. </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press &quot;PRINT&quot; button to print the execise.</source>
        <translation>Pulse «IMPRIMIR» para imprimir el ejercicio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level of the printed questions</source>
        <translation>Nivel de las preguntas impresas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEW</source>
        <translation>NUEVO</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make new questions of the chosen level</source>
        <translation>Crear preguntas nuevas del nivel elegido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT</source>
        <translation>IMPRIMIR</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the worksheet on the default printer</source>
        <translation>Imprimir la hoja en la impresora predeterminada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAIN MENU</source>
        <translation>MENÚ PRINCIPAL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go back to the main menu</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Print Excerises</source>
        <translation>Imprimir ejercicios</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Do you want to print exercise?</source>
        <translation>¿Imprimir el ejercicio?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Review for %1, %2</source>
        <translation>Repaso para %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>sumtrail worksheet</source>
        <translation>Hoja de sumtrail</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do you want to save the worksheet as a PDF file instead?</source>
        <translation>¿Quiere guardar la hoja como archivo PDF?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Worksheet</source>
        <translation>Guardar la hoja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>worksheet.pdf</source>
        <translation>hoja.pdf</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <location filename="../src/gui/report/progresschart.cpp" line="+31"/>
        <source>Progress - %1</source>
        <translation>Progreso - %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Show the scores or the time taken</source>
        <translation>Mostrar las notas o el tiempo empleado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time taken</source>
        <translation>Tiempo empleado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the chart and go back to the report</source>
        <translation>Cerrar el gráfico de progreso y volver al informe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No results yet: the chart fills in as exercises are checked.</source>
        <translation>Aún no hay resultados: el gráfico se llena a medida que se corrigen ejercicios.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each point is the mean of one day&apos;s results.</source>
        <translation>Cada punto es la media de los resultados de un día.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Results written with the same date and time are shown as their mean.</source>
        <translation>Los resultados con la misma fecha y hora se muestran como su media.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not shown, as their date, level or score cannot be read: %1.</source>
        <translation>No se muestran porque su fecha, nivel o nota no se pueden leer: %1.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Score by date</source>
        <translation>Nota por fecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken by date</source>
        <translation>Tiempo empleado por fecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score (%)</source>
        <translation>Nota (%)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time taken (minutes:seconds)</source>
        <translation>Tiempo empleado (minutos:segundos)</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <location filename="../src/core/report/reportline.h" line="+20"/>
        <source>Date                        Level       Score       Speed</source>
        <translation>Fecha                       Nivel        Nota      Tiempo</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <location filename="../src/gui/report/reportwindow.cpp" line="+35"/>
        <source>Main Menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close the report</source>
        <translation>Cerrar el informe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One line per checked exercise: date, level, score, time</source>
        <translation>Una línea por ejercicio corregido: fecha, nivel, nota, tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show a chart of the scores</source>
        <translation>Mostrar un gráfico de las notas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save the results as a file of comma-separated values</source>
        <translation>Guardar los resultados en un archivo CSV (valores separados por comas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Facts</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show which sums the student knows, fact by fact</source>
        <translation>Mostrar qué sumas sabe el alumno, una por una</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show every student of the class at a glance</source>
        <translation>Ver a todos los alumnos de la clase de un vistazo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Student : </source>
        <translation>Alumno: </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Export results</source>
        <translation>Exportar los resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>datafile</name>
    <message>
        <location filename="../src/core/records/datafile.cpp" line="+32"/>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is a folder, not a plain file</source>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a named pipe, not a plain file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is a socket, not a plain file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a plain file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the folder it was in no longer exists</source>
        <translation>la carpeta en la que estaba ya no existe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is a link to a file that does not exist</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+20"/>
        <source>it is a link to a place outside this folder</source>
        <translation>es un enlace a un sitio fuera de esta carpeta</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>it is a link, not a plain file</source>
        <translation>es un enlace, no un archivo normal</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <location filename="../src/gui/print/printing.cpp" line="+57"/>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar la impresora «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The printer &quot;%1&quot; did not accept the page.</source>
        <translation>La impresora «%1» no aceptó la página.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the PDF document could not be started</source>
        <translation>no se pudo empezar el documento PDF</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the PDF document could not be finished</source>
        <translation>no se pudo terminar el documento PDF</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is no printer set up on this computer.</source>
        <translation>No hay ninguna impresora configurada en este ordenador.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file was saved as &quot;%1&quot;.</source>
        <translation>El archivo se ha guardado como «%1».</translation>
    </message>
</context>
<context>
    <name>tablepage</name>
    <message>
        <location filename="../src/core/print/tablepage.cpp" line="+78"/>
        <source>Rows not on this page: %1.</source>
        <translation>Filas que no caben en esta página: %1.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <location filename="../src/gui/plugins/pluginloader.cpp" line="+22"/>
        <source>A part of sumtrail could not be loaded: %1</source>
        <translation>No se pudo cargar una parte de sumtrail: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>lib%1.so does not provide %2</source>
        <translation>lib%1.so no ofrece %2</translation>
    </message>
</context>
</TS>
