<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versión: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>para Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Gráfico de la RAM libre</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>%1% de RAM libre</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Poca RAM libre</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Cada pocos minutos</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menú del área de notificación</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tecla de acceso rápido</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Solicitud</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Realizada</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>No realizada: el procesador estaba ocupado</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>No realizada: había en curso una liberación de otro usuario</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>No realizada: se estaba ejecutando un programa en pantalla completa</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>No realizada: se estaba ejecutando un programa protegido</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>No realizada: en pausa tras una liberación que no sirvió de nada</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>No realizada: más de tres cuartas partes de la RAM estaban libres</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Todavía no se ha realizado ninguna liberación.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Iniciada por</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Antes (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Después (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Usada (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM libre antes de la liberación</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM libre después de la liberación</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>La RAM que la liberación ocupó un momento y luego devolvió</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM total: n/d</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM disponible: n/d</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Uso de CPU: n/d</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Liberar RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>RAM libre deseada:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM libre mínima:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Activar optimizador de RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>No tienes permiso para ejecutar este archivo.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>El archivo no es un programa ejecutable.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>No hay memoria suficiente para iniciarlo.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>El sistema se negó a iniciarlo (error %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>No se pudo iniciar el optimizador de RAM desde %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM total: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM disponible: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Uso de CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>RAM libre deseada, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>RAM libre mínima, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Guardar la RAM libre deseada y mínima</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Abrir las opciones</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Activar el optimizador de RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Desactivar el optimizador de RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Salir del optimizador de RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Acerca de Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 no puede ser una tecla de acceso rápido: tu distribución de teclado no tiene ninguna tecla para «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 no puede ser una tecla de acceso rápido: con tu distribución de teclado escribe «%2», que ningún programa podría recibir entonces.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Iniciar Quenby automáticamente al iniciar Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Liberar RAM al inicio después de</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB de RAM al inicio después de</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Liberar RAM cada</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB cada</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>minutos si la RAM libre es inferior a</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Pausar la liberación automática mientras no sirva de nada</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Pausar la liberación automática mientras se ejecute un programa en pantalla completa</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>Uso de CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Desactivar detección de uso de CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Activa la detección de uso de CPU para evitar que Quenby libere RAM cuando la CPU esté ocupada. Ten en cuenta que los programas de refrigeración de la CPU y algunos otros usan un método especial que mantiene el uso de CPU siempre al 100%. En ese caso, desactiva la detección de uso de CPU para que Quenby pueda liberar RAM con cualquier nivel de uso de CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Icono de notificación</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Predeterminado:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Liberando RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Color del texto del icono</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>en el icono</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Mostrar cuánta RAM se liberó</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menú contextual</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (menú)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Borrar también el Portapapeles de Windows al liberar RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Reproducir alarma antes de liberar RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Tecla de acceso rápido para liberar RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tecla de acceso rápido para desactivar/activar Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Porcentaje de uso de CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Porcentaje de RAM libre</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM que liberar al inicio, en MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Retraso de la liberación al inicio, en segundos</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM que liberar periódicamente, en MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Intervalo para liberar RAM, en minutos (0 = nunca)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Solo si la RAM libre es inferior a este porcentaje</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Uso de CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Lo que muestra el icono de notificación</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Primera cantidad que liberar del menú del área de notificación, en MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Segunda cantidad que liberar del menú del área de notificación, en MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Tercera cantidad que liberar del menú del área de notificación, en MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Archivo de sonido de alarma</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Elegir el archivo de sonido de alarma</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de acceso rápido para liberar RAM: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tecla de acceso rápido para desactivar/activar: Ctrl + Alt + esta tecla</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Agregar archivos</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Todos los archivos (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Pausar la liberación automática mientras se ejecute uno de estos programas:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Nombres de archivo de los programas tal como los muestra el Administrador de tareas, separados por punto y coma.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Se omiten porque no son nombres de archivo de programas: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Configurado por tu administrador</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>El administrador configuró Quenby para que se inicie automáticamente para todos los usuarios de este equipo.</translation>
    </message>
</context>
</TS>
