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
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Situs web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versi: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Aktifkan Pengoptimal RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Sistem menolak memulainya (kesalahan %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Pengoptimal RAM tidak dapat dimulai dari %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Total RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM tersedia: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Penggunaan CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Target RAM kosong, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 tidak dapat dijadikan tombol pintasan: tata letak keyboard Anda tidak memiliki tombol untuk “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Kosongkan RAM saat dimulai, setelah</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM saat dimulai, setelah</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Kosongkan RAM setiap</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB setiap</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Bawaan:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Saat mengosongkan RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Warna teks ikon</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Kosongkan</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Tombol pintasan untuk mengosongkan RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Tombol pintasan untuk menonaktifkan/mengaktifkan Quenby: Ctrl + Alt +</translation>
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
</TS>
