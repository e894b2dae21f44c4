<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Hak cipta © Quenby. Semua hak dilindungi undang-undang.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Situs web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versi: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>untuk Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Grafik RAM kosong</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% RAM kosong</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>RAM kosong menipis</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Secara berkala</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Saat dimulai</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu area pemberitahuan</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Tombol pintasan</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Permintaan program lain</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Dijalankan</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Tidak dijalankan: prosesor sedang sibuk</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Tidak dijalankan: pengosongan oleh pengguna lain sedang berjalan</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Tidak dijalankan: program layar penuh sedang berjalan</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Tidak dijalankan: program yang dilindungi sedang berjalan</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Tidak dijalankan: dijeda setelah pengosongan yang tidak membantu</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Tidak dijalankan: lebih dari tiga perempat RAM kosong</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Belum ada pengosongan.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Dimulai oleh</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Sebelum (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Sesudah (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Terpakai (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Detik</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM kosong sebelum pengosongan</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM kosong sesudah pengosongan</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>RAM yang dipakai sejenak oleh pengosongan lalu dikembalikan</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Total RAM: t/a</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM tersedia: t/a</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Penggunaan CPU: t/a</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Kosongkan RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Target RAM kosong:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM kosong minimum:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Aktifkan Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>File tidak ada.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Anda tidak diizinkan menjalankan file ini.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>File ini bukan program yang dapat dijalankan.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Memori tidak cukup untuk memulainya.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Sistem menolak memulainya (kesalahan %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Pengoptimal RAM tidak dapat dimulai dari %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Total RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM tersedia: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Penggunaan CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Target RAM kosong, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM kosong minimum, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Simpan target dan minimum RAM kosong</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Buka opsi</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Aktifkan pengoptimal RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Nonaktifkan pengoptimal RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Keluar dari pengoptimal RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Tentang Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 tidak dapat dijadikan tombol pintasan: tata letak keyboard Anda tidak memiliki tombol untuk “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 tidak dapat dijadikan tombol pintasan: pada tata letak keyboard Anda, tombol ini mengetik “%2”, yang kemudian tidak dapat diterima lagi oleh program mana pun.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Mulai Quenby secara otomatis saat Windows dimulai</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Kosongkan RAM saat dimulai, setelah</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM saat dimulai, setelah</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>detik</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Kosongkan RAM setiap</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB setiap</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>menit jika RAM kosong di bawah</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Jeda pengosongan otomatis selama tidak membantu</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Jeda pengosongan otomatis selama program layar penuh berjalan</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Penggunaan CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Nonaktifkan deteksi penggunaan CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Aktifkan deteksi penggunaan CPU agar Quenby tidak mengosongkan RAM saat CPU sedang sibuk. Perhatikan bahwa program pendingin CPU dan beberapa program lain menggunakan metode khusus yang membuat penggunaan CPU selalu berada di tingkat 100%. Jika Anda mengalami situasi seperti ini, nonaktifkan deteksi penggunaan CPU agar Quenby dapat mengosongkan RAM pada tingkat penggunaan CPU berapa pun.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ikon Pemberitahuan</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Bawaan:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Saat mengosongkan RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Warna teks ikon</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>di ikon</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Tampilkan jumlah RAM yang dikosongkan</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu Pop-up</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Kosongkan</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Lainnya</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Bersihkan juga Papan Klip Windows saat mengosongkan RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Putar suara alarm sebelum mengosongkan RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Tombol pintasan untuk mengosongkan RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Tombol pintasan untuk menonaktifkan/mengaktifkan Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Hitam</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Putih</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Persentase penggunaan CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Persentase RAM kosong</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>RAM yang dikosongkan saat dimulai, dalam MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Penundaan pengosongan saat dimulai, dalam detik</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>RAM yang dikosongkan secara berkala, dalam MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval pengosongan RAM, dalam menit (0 = tidak pernah)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Hanya jika RAM kosong di bawah persentase ini</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Penggunaan CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Yang ditampilkan ikon area pemberitahuan</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Jumlah pengosongan pertama di menu area pemberitahuan, dalam MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Jumlah pengosongan kedua di menu area pemberitahuan, dalam MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Jumlah pengosongan ketiga di menu area pemberitahuan, dalam MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>File suara alarm</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Pilih file suara alarm</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Tombol pintasan untuk mengosongkan RAM: Ctrl + Alt + tombol ini</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Tombol pintasan untuk menonaktifkan/mengaktifkan: Ctrl + Alt + tombol ini</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Tambahkan File</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Semua File (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Jeda pengosongan otomatis selama salah satu program ini berjalan:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Riwayat</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Nama file program seperti yang ditampilkan Pengelola Tugas, dipisahkan dengan titik koma.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Diabaikan, karena bukan nama file program: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Tombol pintasan untuk mengosongkan RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Tombol pintasan untuk menonaktifkan/mengaktifkan Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ditetapkan oleh administrator Anda</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Administrator Anda mengatur Quenby agar dimulai secara otomatis untuk setiap pengguna PC ini.</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Tu&amp;runkan</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Naikkan</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>P&amp;ilih Semua</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Buka daftar pilihan kotak kombo</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Apakah Anda tetap ingin menghapusnya?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Apakah Anda yakin ingin menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar lokasi dan penanda</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama file:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folder Induk</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Folder Baru</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cari di:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis file:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Folder</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan file &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folder tidak ditemukan.
Pastikan nama folder yang diberikan sudah benar.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah Samping</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua file (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua File (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folder tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menggantinya?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Buka folder induk</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Lokasi Terbaru</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Beralih ke tampilan detail</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Detail</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
File tidak ditemukan.
Pastikan nama file yang diberikan sudah benar.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Beralih ke tampilan daftar</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipe</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Detail...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Tentang Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Detail...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tentang Qt&lt;/h3&gt;&lt;p&gt;Program ini menggunakan Qt versi %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt adalah toolkit C++ untuk pengembangan aplikasi lintas platform.&lt;/p&gt;&lt;p&gt;Qt memungkinkan satu kode sumber yang sama dipakai di semua sistem operasi desktop utama. Qt juga tersedia untuk Linux tertanam serta sistem operasi tertanam dan seluler lainnya.&lt;/p&gt;&lt;p&gt;Qt tersedia dengan beberapa pilihan lisensi yang dirancang untuk memenuhi kebutuhan berbagai pengguna kami.&lt;/p&gt;&lt;p&gt;Qt yang dilisensikan berdasarkan perjanjian lisensi komersial kami cocok untuk pengembangan perangkat lunak berpemilik/komersial jika Anda tidak ingin membagikan kode sumber apa pun kepada pihak ketiga atau tidak dapat memenuhi ketentuan GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt yang dilisensikan berdasarkan GNU (L)GPL cocok untuk pengembangan aplikasi&amp;nbsp;Qt asalkan Anda dapat memenuhi syarat dan ketentuan lisensi yang bersangkutan.&lt;/p&gt;&lt;p&gt;Lihat &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; untuk ikhtisar lisensi Qt.&lt;/p&gt;&lt;p&gt;Hak cipta (C) %1 The Qt Company Ltd dan kontributor lainnya.&lt;/p&gt;&lt;p&gt;Qt dan logo Qt adalah merek dagang The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt adalah produk The Qt Company Ltd yang dikembangkan sebagai proyek sumber terbuka. Lihat &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; untuk informasi selengkapnya.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Batalkan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Pulihkan Default</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Tidak &amp;untuk Semua</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Mulai Ulang Windows</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Tidurkan Windows</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Matikan Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Bersihkan Papan Klip</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Kosongkan RAM Secara Manual
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Opsi...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Nonaktifkan Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Aktifkan Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Keluar dari Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Apakah Anda ingin memulai ulang komputer sekarang?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Apakah Anda ingin menidurkan komputer sekarang?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Apakah Anda ingin mematikan komputer sekarang?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Pengoptimal RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>RAM kosong: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Penggunaan CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess gagal (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 MB dikosongkan, sekarang %2 MB kosong</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Tidak ada RAM yang dapat dikosongkan</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows tidak dapat dimulai ulang (kesalahan %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows tidak dapat ditidurkan (kesalahan %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows tidak dapat dimatikan (kesalahan %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Tombol pintasan tidak tersedia</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Tombol pintasan Ctrl+Alt+%1 tidak dapat didaftarkan: program lain sedang menggunakannya.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Tombol pintasan Ctrl+Alt+%1 tidak didaftarkan: pada tata letak keyboard Anda, tombol ini mengetik “%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Tombol pintasan Ctrl+Alt+%1 tidak didaftarkan: tata letak keyboard Anda tidak memiliki tombol tersebut.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Komputer ini menggunakan Modern Standby, yang hanya dapat dimulai oleh Windows sendiri: untuk menidurkannya, tekan tombol dayanya atau pilih Daya &gt; Tidur di menu Mulai.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Komputer ini mungkin tidak dapat tidur, dan Windows mungkin akan menghibernasinya sebagai gantinya. Apakah Anda ingin melanjutkan?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby masih berjalan dan tidak dapat ditutup.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby masih berjalan dan tidak dapat ditutup.

Tutup Quenby (menu area pemberitahuan: Keluar dari Pengoptimal RAM; serta jendela panel Quenby), lalu pilih Coba Lagi.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby masih berjalan; tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Penyiapan atau pencopot instalasi Quenby sudah berjalan.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Menutup Quenby jika sedang berjalan...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Panel Quenby: angka RAM dan CPU serta opsi</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Mesin area pemberitahuan Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Mulai mesin area pemberitahuan Quenby, yang mengosongkan RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (wajib)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Mulai dengan Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Memulai mesin area pemberitahuan lagi...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Mesin area pemberitahuan, panel Quenby, klien baris perintah quenbyctl, dan pintasan menu Mulai.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Mulai mesin area pemberitahuan saat Anda masuk ke Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Nilai tidak dikenal /AUTOSTART=%1: gunakan /AUTOSTART=1 atau /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Buka panel Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Menginstal atau menghapus Quenby untuk semua pengguna komputer ini memerlukan hak administrator. Jalankan lagi sebagai administrator.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby telah diinstal untuk semua pengguna komputer ini.

Penyiapan tidak memulainya. Buka Quenby dari menu Mulai. Jika “Mulai dengan Windows” dipilih, Quenby dimulai untuk setiap pengguna saat mereka masuk.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Versi sebelumnya masih berjalan di sesi pengguna lain dan tetap berjalan di sana sampai ditutup. File-filenya akan dihapus saat Anda memulai ulang komputer.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 sedang digunakan di sesi pengguna lain dan telah diganti namanya menjadi %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Beberapa file Quenby sedang digunakan di sesi pengguna lain. File tersebut akan dihapus saat Anda memulai ulang komputer.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 di Windows 10 dan Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Target RAM kosong (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Mengatur nilai “%1” Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>tiga perempat RAM terpasang dalam MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Dari %1 sampai %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>RAM terpasang dalam MB dibagi %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Tanpa kebijakan: %1, kecuali pengguna memilih nilai lain.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Kebijakan komputer didahulukan atas kebijakan pengguna, dan keduanya atas pilihan pengguna sendiri, yang kemudian ditampilkan panel Quenby sebagai “Ditetapkan oleh administrator Anda”. Jika kebijakan tidak dikonfigurasi, pilihan pengguna sendiri yang berlaku.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>RAM kosong minimum (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Kosongkan RAM saat dimulai</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Diaktifkan: aktif (1). Dinonaktifkan: nonaktif (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>RAM yang dikosongkan saat dimulai (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Penundaan pengosongan saat dimulai (detik)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>RAM yang dikosongkan secara berkala (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Interval pengosongan RAM (menit, 0 = tidak pernah)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Persentase RAM kosong pada pengosongan berkala</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Nonaktifkan deteksi penggunaan CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Warna teks ikon area pemberitahuan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Hitam</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Putih</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Salah satu dari: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Yang ditampilkan ikon area pemberitahuan</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Persentase penggunaan CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Persentase RAM kosong</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Jumlah pengosongan pertama di menu area pemberitahuan (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Jumlah pengosongan kedua di menu area pemberitahuan (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Jumlah pengosongan ketiga di menu area pemberitahuan (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Bersihkan juga papan klip saat mengosongkan RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Putar suara alarm sebelum mengosongkan RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>File suara alarm</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Jalur lengkap, paling banyak %1 karakter.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tombol pintasan untuk mengosongkan RAM (Ctrl + Alt + tombol dengan kode ini)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Tombol pintasan untuk menonaktifkan/mengaktifkan (Ctrl + Alt + tombol dengan kode ini)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Tampilkan jumlah RAM yang dikosongkan</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Jeda pengosongan otomatis selama tidak membantu</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Jeda pengosongan otomatis selama program layar penuh berjalan</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Jeda pengosongan otomatis selama salah satu program ini berjalan</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Nama file program yang dipisahkan dengan titik koma, seperti game.exe;obs64.exe, paling banyak %1 karakter.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Mulai Quenby secara otomatis saat Windows dimulai</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Diaktifkan: mesin area pemberitahuan dimulai saat pengguna masuk ke Windows. Dinonaktifkan: mesin tidak dimulai. Saat dimulai, mesin menyesuaikan entri startup pengguna dengan kebijakan.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Pengaturan pengoptimal RAM Quenby</translation>
    </message>
</context>
</TS>
