<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 に書き込めませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>The diary %1 could not be backed up: %2</source>
        <translation>日記 %1 をバックアップできませんでした: %2</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 would take more than a tenth of the free space on its disk.</source>
        <translation>日記のバックアップを停止しました: フォルダ %1 がディスクの空き容量の10分の1を超えてしまいます。</translation>
    </message>
    <message>
        <source>it is missing.</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: %1 is a link, or no folder of yours; it is left as it is.</source>
        <translation>日記のバックアップを停止しました: %1 はリンクか、あなたのフォルダではありません。そのままにしてあります。</translation>
    </message>
    <message>
        <source>%1 is a link.</source>
        <translation>%1 はリンクです。</translation>
    </message>
    <message>
        <source>Backups of your diary have stopped: the folder %1 cannot be created.</source>
        <translation>日記のバックアップを停止しました: フォルダ %1 を作成できません。</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Su</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>火</translation>
    </message>
    <message>
        <source>We</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>土</translation>
    </message>
</context>
<context>
    <name>CalendarModel</name>
    <message>
        <source>has an entry</source>
        <translation>日記あり</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>選択中</translation>
    </message>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <source>Previous Month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Back to Today</source>
        <translation>今日に戻る</translation>
    </message>
    <message>
        <source>Displayed month; click to go back to today</source>
        <translation>表示中の月。クリックすると今日に戻ります</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Go to Date</source>
        <translation>日付へ移動</translation>
    </message>
    <message>
        <source>&amp;Date (for example %1 or %2):</source>
        <translation>日付(&amp;D)（例: %1 または %2）:</translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as %3.</source>
        <translation>「%1」は Penwick が読める日付ではありません。%2 または %3 の形で入力してください。</translation>
    </message>
</context>
<context>
    <name>ConflictCopy</name>
    <message>
        <source>%1 is a link, not a copy a sync engine left; it is left as it is.</source>
        <translation>%1 はリンクで、同期ツールが残したコピーではありません。そのままにしてあります。</translation>
    </message>
    <message>
        <source>%1 belongs to another user, so it is no copy a sync engine left for you; it is left as it is.</source>
        <translation>%1 は別のユーザーのものなので、同期ツールがあなたのために残したコピーではありません。そのままにしてあります。</translation>
    </message>
    <message>
        <source>The conflict copy %1 cannot be read or is too large; it is left as it is.</source>
        <translation>競合コピー %1 は読めないか大きすぎるため、そのままにしてあります。</translation>
    </message>
    <message>
        <source>The conflict copy %1 is not a diary Penwick can read; it is left as it is.</source>
        <translation>競合コピー %1 は Penwick が読める日記ではないため、そのままにしてあります。</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2, which is a link or no folder of yours; it stays where it is.</source>
        <translation>競合コピー %1 は統合しましたが、%2 はリンクかあなたのフォルダではないため移動できませんでした。元の場所に残してあります。</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>競合コピー %1 は統合しましたが、%2 へ移動できませんでした。</translation>
    </message>
    <message>
        <source>The conflict copy %1 is protected by another passphrase, or was changed or damaged; it is left as it is.</source>
        <translation>競合コピー %1 は別のパスフレーズで保護されているか、変更または破損しているため、そのままにしてあります。</translation>
    </message>
</context>
<context>
    <name>ConflictCopyBar</name>
    <message>
        <source>Merged copies</source>
        <translation>統合したコピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Show &amp;History</source>
        <translation>履歴を表示(&amp;H)</translation>
    </message>
    <message>
        <source>%1: both texts are kept in the day</source>
        <translation>%1: 両方の文章をその日に残しました</translation>
    </message>
    <message>
        <source>%1: the copy&apos;s text, the diary&apos;s is in the day&apos;s history</source>
        <translation>%1: コピーの文章。日記の文章はその日の履歴にあります</translation>
    </message>
    <message>
        <source>%1: the other text, yours is in the day&apos;s history</source>
        <translation>%1: もう一方の文章。あなたの文章はその日の履歴にあります</translation>
    </message>
    <message>
        <source>%1: the diary&apos;s text, the copy&apos;s is in the day&apos;s history</source>
        <translation>%1: 日記の文章。コピーの文章はその日の履歴にあります</translation>
    </message>
    <message>
        <source>%1: the other program&apos;s text, yours is in the day&apos;s history</source>
        <translation>%1: 別のプログラムの文章。あなたの文章はその日の履歴にあります</translation>
    </message>
    <message>
        <source>and 1 more</source>
        <translation>ほか 1 日</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 日</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: 1 day came from it.</source>
        <translation>別のマシンが残したコピー %1 を統合しました: 1 日分を取り込みました。</translation>
    </message>
    <message>
        <source>Merged %1, a copy another machine left: %2 days came from it.</source>
        <translation>別のマシンが残したコピー %1 を統合しました: %2 日分を取り込みました。</translation>
    </message>
    <message>
        <source>Another program changed a day you wrote in.</source>
        <translation>あなたが書いた日を別のプログラムが変更しました。</translation>
    </message>
    <message>
        <source>Another program changed %1 days you wrote in.</source>
        <translation>あなたが書いた %1 日分を別のプログラムが変更しました。</translation>
    </message>
    <message>
        <source>Another program changed a day you typed in before Penwick last stopped.</source>
        <translation>Penwick が前回終了する前にあなたが書いた日を、別のプログラムが変更しました。</translation>
    </message>
    <message>
        <source>Another program changed %1 days you typed in before Penwick last stopped.</source>
        <translation>Penwick が前回終了する前にあなたが書いた %1 日分を、別のプログラムが変更しました。</translation>
    </message>
    <message>
        <source>The open day&apos;s text changed.</source>
        <translation>開いている日の文章が変わりました。</translation>
    </message>
</context>
<context>
    <name>DayPage</name>
    <message>
        <source>%1 words</source>
        <translation>%1 語</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Print Day…</source>
        <translation>この日を印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 語</translation>
    </message>
    <message>
        <source>Print Day</source>
        <translation>この日を印刷</translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>ここでは印刷できません。Penwick の印刷モジュールがありません (%1)。</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>前を検索(&amp;V)</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Usage: penwick --decrypt FILE [--recovery-key] &gt; clear.plist</source>
        <translation>使い方: penwick --decrypt FILE [--recovery-key] &gt; clear.plist</translation>
    </message>
    <message>
        <source>%1 is not a protected diary: it is not encrypted.</source>
        <translation>%1 は保護された日記ではありません。暗号化されていません。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>Recovery key: </source>
        <translation>回復キー: </translation>
    </message>
    <message>
        <source>Passphrase: </source>
        <translation>パスフレーズ: </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>What is written out is not encrypted: keep it safe, or remove it when you are done.</source>
        <translation>書き出される内容は暗号化されていません。安全な場所に保管するか、用が済んだら削除してください。</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Failed</source>
        <translation>失敗しました</translation>
    </message>
    <message>
        <source>Some changes are not saved</source>
        <translation>保存されていない変更があります</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Save a Copy As…</source>
        <translation>コピーを別名で保存…</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>保存せずに終了</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>DiaryExport</name>
    <message>
        <source>Plain text</source>
        <translation>プレーンテキスト</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Markdown, one file</source>
        <translation>Markdown(1 つのファイル)</translation>
    </message>
    <message>
        <source>Markdown files (*.md)</source>
        <translation>Markdown ファイル (*.md)</translation>
    </message>
    <message>
        <source>Markdown daily notes, a folder</source>
        <translation>Markdown のデイリーノート(フォルダー)</translation>
    </message>
    <message>
        <source>Folders (*)</source>
        <translation>フォルダー (*)</translation>
    </message>
    <message>
        <source>HTML page</source>
        <translation>HTML ページ</translation>
    </message>
    <message>
        <source>HTML files (*.html)</source>
        <translation>HTML ファイル (*.html)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>JSON, as jrnl exports it</source>
        <translation>JSON(jrnl の書き出し形式)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>The whole diary</source>
        <translation>日記全体</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>最初の日</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>最後の日</translation>
    </message>
    <message>
        <source>%1 or yyyy-MM-dd</source>
        <translation>%1 または yyyy-MM-dd</translation>
    </message>
    <message>
        <source>to</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>Leave out empty days</source>
        <translation>空の日を除く</translation>
    </message>
    <message>
        <source>Start each month on a new page</source>
        <translation>月ごとに新しいページから始める</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>書き出しの進み具合</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>書き出す…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>印刷プレビュー(&amp;V)…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>プレビュー…</translation>
    </message>
    <message>
        <source>This month (%1)</source>
        <translation>この月(%1)</translation>
    </message>
    <message>
        <source>This year (%1)</source>
        <translation>この年(%1)</translation>
    </message>
    <message numerus="yes">
        <source>The days the search found (%n)</source>
        <translation>
            <numerusform>検索で見つかった日(%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is no date Penwick can read; type it as %2 or as yyyy-MM-dd.</source>
        <translation>「%1」は Penwick が読める日付ではありません。%2 または yyyy-MM-dd の形で入力してください。</translation>
    </message>
    <message>
        <source>The first day, %1, comes after the last, %2.</source>
        <translation>最初の日 %1 が最後の日 %2 より後になっています。</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>書き出しを中止しました。何も書き込まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n 日分を %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Penwick cannot print here: its printing module is missing (%1).</source>
        <translation>Penwick はここでは印刷できません。印刷モジュールがありません(%1)。</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>日記</translation>
    </message>
    <message>
        <source>Laying out the pages…</source>
        <translation>ページをレイアウトしています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>書き出す(&amp;X)…</translation>
    </message>
    <message>
        <source>Prin&amp;t…</source>
        <translation>日記を印刷(&amp;T)…</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>書き出した内容は暗号化されません。</translation>
    </message>
    <message>
        <source>What you print is not encrypted.</source>
        <translation>印刷した内容は暗号化されません。</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the file or the pages can read them.</source>
        <translation>日記はパスフレーズで保護されていますが、書き出したファイルや印刷したページは、手にした人なら誰でも読めます。</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>続行(&amp;O)</translation>
    </message>
</context>
<context>
    <name>DiaryImport</name>
    <message>
        <source>&amp;Import from Another Diary…</source>
        <translation>他の日記から読み込む(&amp;I)…</translation>
    </message>
    <message>
        <source>jrnl, RedNotebook, Day One, or a folder of daily notes (choose any of its files)</source>
        <translation>jrnl、RedNotebook、Day One、または日付ごとのメモのフォルダー（その中のどれかのファイルを選びます）</translation>
    </message>
    <message>
        <source>Import from Another Diary</source>
        <translation>他の日記から読み込む</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>%1 から 1 日分を読み込みました。</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%2 から %1 日分を読み込みました。</translation>
    </message>
    <message>
        <source>Diaries (*.txt *.json *.zip *.md)</source>
        <translation>日記 (*.txt *.json *.zip *.md)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Penwick imports a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook data folder and a folder of daily notes (2026-03-15.md). For a folder, choose any of its files.</source>
        <translation>Penwick が読み込めるのは、jrnl のファイル（テキストまたは JSON）、Day One の書き出し（.zip または .json）、RedNotebook のデータフォルダー、日ごとのノートのフォルダー（2026-03-15.md）です。フォルダーは、その中のどれかのファイルを選んでください。</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>読み込む(&amp;I)</translation>
    </message>
</context>
<context>
    <name>DiaryLock</name>
    <message>
        <source>Prote&amp;ct with a Passphrase…</source>
        <translation>パスフレーズで保護(&amp;C)…</translation>
    </message>
    <message>
        <source>C&amp;hange Passphrase…</source>
        <translation>パスフレーズを変更(&amp;H)…</translation>
    </message>
    <message>
        <source>Remove Protectio&amp;n…</source>
        <translation>保護を解除(&amp;N)…</translation>
    </message>
    <message>
        <source>&amp;Lock Now</source>
        <translation>今すぐロック(&amp;L)</translation>
    </message>
    <message>
        <source>Lock &amp;After</source>
        <translation>自動ロック(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) without use</source>
        <translation>
            <numerusform>%n 分間操作がないとき</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep Passphrase in &amp;Keyring</source>
        <translation>パスフレーズをキーリングに保存(&amp;K)</translation>
    </message>
    <message>
        <source>Penwick — Locked</source>
        <translation>Penwick — ロック中</translation>
    </message>
    <message>
        <source>%1 After %2 wrong tries, the next one waits %3 seconds.</source>
        <translation>%1 %2 回間違えたため、次に試せるのは %3 秒後です。</translation>
    </message>
    <message>
        <source>Your diary at %1 cannot be opened: %2 It is left as it is; its backups are in %3.</source>
        <translation>%1 の日記を開けません: %2 日記はそのままにしてあります。バックアップは %3 にあります。</translation>
    </message>
    <message>
        <source>The keyring did not give the passphrase: %1</source>
        <translation>キーリングからパスフレーズを取得できませんでした: %1</translation>
    </message>
    <message>
        <source>The passphrase could not be kept in the keyring: %1</source>
        <translation>パスフレーズをキーリングに保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Penwick: the recovery key of your diary

%1</source>
        <translation>Penwick: 日記の回復キー

%1</translation>
    </message>
    <message>
        <source>Recovery Key</source>
        <translation>回復キー</translation>
    </message>
    <message>
        <source>Print the Recovery Key</source>
        <translation>回復キーを印刷</translation>
    </message>
    <message>
        <source>Save the Recovery Key</source>
        <translation>回復キーを保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups are encrypted now. Files Penwick did not make may still hold your diary in clear:</source>
        <translation>日記とその履歴、バックアップは暗号化されました。Penwick が作成していない次のようなファイルには、日記が暗号化されないまま残っていることがあります:</translation>
    </message>
    <message>
        <source>Your Diary Is Protected</source>
        <translation>日記は保護されています</translation>
    </message>
    <message>
        <source>The passphrase is changed; the recovery key stays as it was.</source>
        <translation>パスフレーズを変更しました。回復キーは変わりません。</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>このパスフレーズでは日記を開けません。</translation>
    </message>
    <message>
        <source>Your diary is stored without encryption again.</source>
        <translation>日記は再び暗号化せずに保存されます。</translation>
    </message>
</context>
<context>
    <name>DiaryProtection</name>
    <message>
        <source>Your diary could not be rewritten, so nothing was changed: %1</source>
        <translation>日記を書き直せなかったため、何も変更していません: %1</translation>
    </message>
    <message>
        <source>Your diary cannot be protected now: it cannot be read or written, or changes still wait to be stored.</source>
        <translation>今は日記を保護できません。日記を読み書きできないか、まだ保存されていない変更があります。</translation>
    </message>
    <message>
        <source>The key could not be made: there is not enough memory.</source>
        <translation>鍵を作成できませんでした: メモリが足りません。</translation>
    </message>
    <message>
        <source>The passphrase cannot be changed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>今はパスフレーズを変更できません。日記に書き込めないか、まだ保存されていない変更があります。</translation>
    </message>
    <message>
        <source>The protection cannot be removed now: the diary cannot be written, or changes still wait to be stored.</source>
        <translation>今は保護を解除できません。日記に書き込めないか、まだ保存されていない変更があります。</translation>
    </message>
    <message>
        <source>exports you made, such as those in %1</source>
        <translation>%1 にあるものなど、これまでに書き出したファイル</translation>
    </message>
    <message>
        <source>the diary an earlier version kept in the preferences at %1</source>
        <translation>以前のバージョンが %1 の設定に保存していた日記</translation>
    </message>
    <message>
        <source>copies of the diary file you made yourself, and earlier versions that a sync engine or a backup program keeps of it</source>
        <translation>ご自身で作成した日記ファイルのコピーや、同期ツールやバックアップソフトが保存している日記ファイルの以前の版</translation>
    </message>
</context>
<context>
    <name>DiarySession</name>
    <message>
        <source>Written here while another program changed this day, %1</source>
        <translation>別のプログラムがこの日を変更している間にここで書いたもの、%1</translation>
    </message>
    <message>
        <source>Typed before Penwick last stopped; another program changed this day meanwhile</source>
        <translation>Penwick が前回終了する前に書いたもの。その間に別のプログラムがこの日を変更しました</translation>
    </message>
    <message>
        <source>Recovered after Penwick stopped</source>
        <translation>Penwick の終了後に復元</translation>
    </message>
    <message>
        <source>Another program replaced your diary while Penwick wrote it, and its version could not be put back: it is kept as %1 and merged like a conflict copy.</source>
        <translation>Penwick が日記を書いている間に別のプログラムが日記を置き換え、その版を元に戻せませんでした。%1 として保存し、競合コピーと同じように統合します。</translation>
    </message>
</context>
<context>
    <name>DiarySnapshot</name>
    <message>
        <source>it is protected by a passphrase.</source>
        <translation>パスフレーズで保護されています。</translation>
    </message>
</context>
<context>
    <name>DiaryStorage</name>
    <message>
        <source>%1 is the diary Penwick has open. Choose another file.</source>
        <translation>%1 は Penwick で開いている日記です。別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The pages could not be started.</source>
        <translation>ページを開始できませんでした。</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>日記</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an empty folder: daily notes go into a new or empty folder, so that no note there is replaced.</source>
        <translation>%1 は空のフォルダーではありません。そこにあるノートを置き換えないよう、デイリーノートは新しいフォルダーか空のフォルダーに書き出します。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Usage: penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT, where FORMAT is text, markdown, notes, html, pdf or json.</source>
        <translation>使い方: penwick --export FORMAT [--from yyyy-MM-dd] [--to yyyy-MM-dd] OUT(FORMAT は text、markdown、notes、html、pdf、json のいずれか)</translation>
    </message>
    <message>
        <source>“%1” is no format Penwick exports: use text, markdown, notes, html, pdf or json.</source>
        <translation>「%1」は Penwick が書き出せる形式ではありません。text、markdown、notes、html、pdf、json のいずれかを使ってください。</translation>
    </message>
    <message>
        <source>%1 needs a day after it, written yyyy-MM-dd.</source>
        <translation>%1 の後には yyyy-MM-dd の形の日付が必要です。</translation>
    </message>
    <message>
        <source>“%1” after %2 is no day: write it as yyyy-MM-dd, for example 2026-03-15.</source>
        <translation>%2 の後の「%1」は日付ではありません。yyyy-MM-dd の形(例: 2026-03-15)で書いてください。</translation>
    </message>
    <message>
        <source>“%1” is no option of --export. %2</source>
        <translation>「%1」は --export のオプションではありません。%2</translation>
    </message>
    <message>
        <source>The day after --from, %1, comes after the day after --to, %2.</source>
        <translation>--from の日付 %1 が --to の日付 %2 より後になっています。</translation>
    </message>
    <message>
        <source>The diary at %1 cannot be read: %2</source>
        <translation>%1 の日記を読めません: %2</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n days to %1.</source>
        <translation>
            <numerusform>%n 日分を %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name, then its year</comment>
        <translation>%2年%1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Penwick Help</source>
        <translation>Penwick ヘルプ</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Versions of the day</source>
        <translation>この日の版</translation>
    </message>
    <message>
        <source>Chosen version, with its differences from the current text</source>
        <translation>選んだ版と現在のテキストとの違い</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>この版に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open Backups Folder</source>
        <translation>バックアップフォルダを開く</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>%1 の履歴</translation>
    </message>
    <message>
        <source>This day has no earlier versions yet.</source>
        <translation>この日にはまだ以前の版がありません。</translation>
    </message>
    <message>
        <source>No file manager could be opened. The backups are in this folder:</source>
        <translation>ファイルマネージャーを開けませんでした。バックアップはこのフォルダーにあります:</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>バックアップフォルダー</translation>
    </message>
    <message>
        <source>&amp;History of This Day…</source>
        <translation>この日の履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>Open &amp;Backups Folder</source>
        <translation>バックアップフォルダを開く(&amp;B)</translation>
    </message>
    <message>
        <source>Underlined: only in this version. Struck through: only in the day&apos;s text now.</source>
        <translation>下線: この版だけにある部分。取り消し線: 今の文章だけにある部分。</translation>
    </message>
    <message>
        <source>&amp;Restore This Version</source>
        <translation>この版に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>1 character</source>
        <translation>1 文字</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 文字</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>Another program is using the history of your days at %1, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile and takes the history up again when it can.</source>
        <translation>別のプログラムが %1 にある日々の履歴を使っているため、当面は以前の版を残しません。その間も日記ファイルは最新に保ち、使えるようになり次第履歴を再開します。</translation>
    </message>
    <message>
        <source>The disk that holds the history of your days at %1 is full, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>%1 にある日々の履歴のディスクがいっぱいのため、当面は以前の版を残しません。その間も日記ファイルは最新に保ちます。</translation>
    </message>
    <message>
        <source>The history of your days at %1 cannot be opened or written, so earlier versions are not kept for now. Penwick keeps your diary file up to date meanwhile.</source>
        <translation>%1 にある日々の履歴を開けないか書き込めないため、当面は以前の版を残しません。その間も日記ファイルは最新に保ちます。</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept now (%1). Penwick keeps your diary file up to date meanwhile.</source>
        <translation>今は日々の以前の版を残せません (%1)。その間も日記ファイルは最新に保ちます。</translation>
    </message>
    <message>
        <source>it is a link, or no file of yours, and is left as it is</source>
        <translation>リンクか、あなたのファイルではないため、そのままにしてあります</translation>
    </message>
    <message>
        <source>The history of your days at %1 was removed or replaced while Penwick ran, so a new one is started. Your diary itself is not affected.</source>
        <translation>Penwick の実行中に %1 にある日々の履歴が削除されたか置き換えられたため、新しい履歴を始めました。日記そのものには影響ありません。</translation>
    </message>
    <message>
        <source>Earlier versions of your days cannot be kept: the history at %1 is damaged and cannot be replaced (%2). Your diary itself is not affected.</source>
        <translation>日々の以前の版を残せません: %1 にある履歴が壊れていて、置き換えられません (%2)。日記そのものには影響ありません。</translation>
    </message>
    <message>
        <source>The history of your days at %1 was damaged, so it was put aside as %2 and a new one started. Your diary itself is not affected.</source>
        <translation>%1 にある日々の履歴が壊れていたため、%2 として別に保存し、新しい履歴を始めました。日記そのものには影響ありません。</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Changed by another program</source>
        <translation>別のプログラムによる変更</translation>
    </message>
    <message>
        <source>Merged from another copy</source>
        <translation>別のコピーから統合</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>読み込み</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1 holds the date %2, which is not a valid day in the years 1 to 9999.</source>
        <translation>%1 に日付 %2 があります。これは 1 年から 9999 年までの正しい日付ではありません。</translation>
    </message>
    <message>
        <source>%1 holds an entry that is not in the form Penwick expects.</source>
        <translation>%1 に Penwick が想定していない形式のエントリがあります。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, more than Penwick imports from one file.</source>
        <translation>%1 は %2 MiB を超えています。Penwick が 1 つのファイルから読み込める量を超えています。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files, more than Penwick imports at once.</source>
        <translation>%1 には %2 個を超えるファイルがあります。Penwick が一度に読み込める数を超えています。</translation>
    </message>
    <message>
        <source>%1 is not a diary Penwick can import.</source>
        <translation>%1 は Penwick が読み込める日記ではありません。</translation>
    </message>
    <message>
        <source>%1 uses YAML aliases, which Penwick does not read.</source>
        <translation>%1 は YAML のエイリアスを使っています。Penwick はエイリアスを読み込みません。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 YAML nodes, more than Penwick reads.</source>
        <translation>%1 には %2 個を超える YAML ノードがあります。Penwick が読み込める数を超えています。</translation>
    </message>
    <message>
        <source>daily notes</source>
        <translation>日ごとのノート</translation>
    </message>
    <message>
        <source>%1 holds no entries to import.</source>
        <translation>%1 には読み込むエントリがありません。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB of text for %3, more than Penwick keeps for one day.</source>
        <translation>%1 には %3 の文章が %2 MiB を超えてあります。Penwick が 1 日分として保存できる量を超えています。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB in total, more than Penwick imports at once.</source>
        <translation>%1 は合計で %2 MiB を超えています。Penwick が一度に読み込める量を超えています。</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 text.</source>
        <translation>%1 は正しい UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>%1 holds the time %2, which is not a valid time of day.</source>
        <translation>%1 に時刻 %2 があります。これは正しい時刻ではありません。</translation>
    </message>
    <message>
        <source>%1 is nested deeper than %2 levels, more than Penwick reads.</source>
        <translation>%1 は %2 階層より深く入れ子になっています。Penwick が読み込める深さを超えています。</translation>
    </message>
    <message>
        <source>Handed to the running Penwick, which imports it now.</source>
        <translation>実行中の Penwick に渡しました。今から読み込みます。</translation>
    </message>
    <message>
        <source>Imported %1 days from %2.</source>
        <translation>%2 から %1 日分を読み込みました。</translation>
    </message>
    <message>
        <source>There is no diary file at %1 to import into.</source>
        <translation>%1 に読み込み先の日記ファイルがありません。</translation>
    </message>
    <message>
        <source>Every day from %1 is here already: nothing to import.</source>
        <translation>%1 の日はすべてすでにあります。読み込むものはありません。</translation>
    </message>
    <message>
        <source>Import 1 day from %1?</source>
        <translation>%1 から 1 日分を読み込みますか？</translation>
    </message>
    <message>
        <source>Import %1 days from %2?</source>
        <translation>%2 から %1 日分を読み込みますか？</translation>
    </message>
    <message>
        <source>1 of them already has text here; the imported text will be added below it.</source>
        <translation>そのうち 1 日にはすでに本文があります。読み込んだ本文はその下に加えます。</translation>
    </message>
    <message>
        <source>%1 of them already have text here; the imported text will be added below it.</source>
        <translation>そのうち %1 日にはすでに本文があります。読み込んだ本文はその下に加えます。</translation>
    </message>
    <message>
        <source>%1 photos, recordings and other attachments are left out.</source>
        <translation>写真・録音などの添付 %1 件は読み込みません。</translation>
    </message>
    <message>
        <source>Imported 1 day from %1.</source>
        <translation>%1 から 1 日分を読み込みました。</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its YAML module is missing (%2).</source>
        <translation>Penwick はここで %1 を読めません。YAML モジュールがありません（%2）。</translation>
    </message>
    <message>
        <source>Penwick cannot read %1 here: its zip module is missing (%2).</source>
        <translation>Penwick はここで %1 を読めません。ZIP モジュールがありません（%2）。</translation>
    </message>
    <message>
        <source>Nothing was imported: your latest changes are not stored yet. %1</source>
        <translation>何も読み込みませんでした: 最新の変更がまだ保存されていません。%1</translation>
    </message>
    <message>
        <source>The diary could not be written.</source>
        <translation>日記を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase: start Penwick, unlock the diary, and import from File &gt; Import from Another Diary…</source>
        <translation>日記はパスフレーズで保護されています。Penwick を起動して日記のロックを解除し、ファイル &gt; 他の日記から読み込む… から読み込んでください。</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>Penwick cannot reach the keyring: its keyring module is missing (%1).</source>
        <translation>キーリングに接続できません。Penwick のキーリングモジュールがありません (%1)。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search the diary</source>
        <translation>日記を検索</translation>
    </message>
    <message>
        <source>Diary entry</source>
        <translation>日記の本文</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Storage…</source>
        <translation>保存場所(&amp;S)…</translation>
    </message>
    <message>
        <source>Where your diary lives: move, start, open or export it</source>
        <translation>日記の保存場所：移動、新規作成、開く、書き出し</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>日記ファイルを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>テキストとして書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>空の日記を削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the days whose text is empty from the diary file</source>
        <translation>本文が空の日を日記ファイルから削除します</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>検索(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>前の月(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>今日(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>次の月(&amp;N)</translation>
    </message>
    <message>
        <source>Previous &amp;Day</source>
        <translation>前の日(&amp;D)</translation>
    </message>
    <message>
        <source>Ne&amp;xt Day</source>
        <translation>次の日(&amp;X)</translation>
    </message>
    <message>
        <source>Penwick &amp;Help</source>
        <translation>Penwick ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Penwick</source>
        <translation>Penwick について(&amp;A)</translation>
    </message>
    <message>
        <source>Removed 1 empty entry.</source>
        <translation>空の日記を 1 件削除しました。</translation>
    </message>
    <message>
        <source>Removed %1 empty entries.</source>
        <translation>空の日記を %1 件削除しました。</translation>
    </message>
    <message>
        <source>About Penwick</source>
        <translation>Penwick について</translation>
    </message>
    <message>
        <source>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;A small diary that keeps every word you type.&lt;/p&gt;&lt;p&gt;Your diary is kept in %2&lt;/p&gt;</source>
        <translation>&lt;b&gt;Penwick %1&lt;/b&gt;&lt;p&gt;入力した言葉をすべて残す小さな日記です。&lt;/p&gt;&lt;p&gt;日記の保存場所: %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The reminder could not be switched on. %1</source>
        <translation>リマインダーをオンにできませんでした。%1</translation>
    </message>
    <message>
        <source>Your preferences at %1 cannot be read; they are left as they are, and Penwick uses the diary at %2.</source>
        <translation>%1 の設定を読み込めません。設定はそのまま残し、%2 の日記を使います。</translation>
    </message>
    <message>
        <source>Open day</source>
        <translation>開いている日</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>%1 — Penwick</source>
        <translation>%1 — Penwick</translation>
    </message>
    <message>
        <source>Previous &amp;Year</source>
        <translation>前の年(&amp;Y)</translation>
    </message>
    <message>
        <source>Next Ye&amp;ar</source>
        <translation>次の年(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Go to Date…</source>
        <translation>日付へ移動(&amp;G)…</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Penwick Help</source>
        <translation>Penwick ヘルプ</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>A diary with auto-save function. Click the calendar to jump. You can also search through diary.</source>
        <translation>自動保存機能つきの日記です。カレンダーをクリックするとその日に移動します。日記を検索することもできます。</translation>
    </message>
    <message>
        <source>Writing diary and save functions</source>
        <translation>日記の書き方と保存</translation>
    </message>
    <message>
        <source>On startup, the calendar, left, points today. Calendar and the diary space, right, synchronizes automatically. So you can start writing right away. If you click on the other date, you can jump to that date&apos;s diary.</source>
        <translation>起動すると、左のカレンダーは今日を指しています。カレンダーと右の日記欄は自動的に連動するので、すぐに書き始められます。別の日付をクリックすると、その日の日記に移動します。</translation>
    </message>
    <message>
        <source>When you write text on the diary space, it will be automatically saved.</source>
        <translation>日記欄に書いた文章は自動的に保存されます。</translation>
    </message>
    <message>
        <source>Searches</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>When you write a single keyword inside the search box, left below, and hit return/ enter key, the app will display the list of the dates which includes the keyword.</source>
        <translation>左下の検索欄にキーワードを一つ入力して Return / Enter キーを押すと、そのキーワードを含む日付の一覧が表示されます。</translation>
    </message>
    <message>
        <source>Clicking on the list of search results will show you the diary of that date.</source>
        <translation>検索結果の一覧をクリックすると、その日の日記が表示されます。</translation>
    </message>
    <message>
        <source>Clicking on x in the search box will delete the list.</source>
        <translation>検索欄の × をクリックすると一覧が消えます。</translation>
    </message>
    <message>
        <source>Coming from another diary</source>
        <translation>他の日記から移る</translation>
    </message>
    <message>
        <source>File &gt; Import from Another Diary… reads a jrnl file (text or JSON), a Day One export (.zip or .json), a RedNotebook folder or a folder of daily notes named by date (choose any of its files). Penwick says how many days it brings in before anything changes; text already on a day stays, and the imported text is added below it. Each imported day keeps its earlier text in Edit &gt; History of This Day.</source>
        <translation>ファイル &gt; 他の日記から読み込む… は jrnl のファイル（テキストまたは JSON）、Day One の書き出し（.zip または .json）、RedNotebook のフォルダー、日付名のメモのフォルダー（その中のどれかのファイルを選びます）を読み込みます。何かを変える前に、何日分を取り込むかを示します。その日にある本文は残り、読み込んだ本文はその下に加わります。読み込んだ日の以前の本文は 編集 &gt; この日の履歴 に残ります。</translation>
    </message>
    <message>
        <source>One diary on several machines</source>
        <translation>複数のマシンで一つの日記</translation>
    </message>
    <message>
        <source>Taking the diary out</source>
        <translation>日記を書き出す</translation>
    </message>
    <message>
        <source>File &gt; Export… writes the whole diary, the month or the year shown, a range of dates or the days the search found: as plain text, as Markdown (one file, or a folder of daily notes named by date), as an HTML page, as a PDF or as jrnl&apos;s JSON. File &gt; Print… prints the same pages as the PDF, and File &gt; Print Preview… shows them first. Penwick reads its daily notes and its JSON back with File &gt; Import from Another Diary.</source>
        <translation>ファイル &gt; 書き出す… は、日記全体、表示中の月や年、日付の範囲、または検索で見つかった日を、プレーンテキスト、Markdown(1 つのファイル、または日付名のデイリーノートのフォルダー)、HTML ページ、PDF、jrnl の JSON として書き出します。ファイル &gt; 日記を印刷… は PDF と同じページを印刷し、ファイル &gt; 印刷プレビュー… で先に確かめられます。書き出したデイリーノートと JSON は、ファイル &gt; 他の日記から読み込む で読み戻せます。</translation>
    </message>
    <message>
        <source>Keep the diary in a folder that your sync tool (Syncthing, Nextcloud, Dropbox) shares. When two machines changed it between two syncs, Penwick merges the conflict copy the tool leaves, day by day: a day only one machine changed takes that change, a day both changed keeps both texts, one below the other, and the text that leaves a day goes into its history. The copy then goes into the Backups folder.</source>
        <translation>日記は同期ツール (Syncthing、Nextcloud、Dropbox) が共有するフォルダに置いてください。2 台のマシンが同期の合間に日記を変更すると、Penwick はツールが残した競合コピーを 1 日ずつ統合します。片方のマシンだけが変えた日はその変更を取り込み、両方が変えた日は両方の文章を上下に並べて残し、その日から外れた文章はその日の履歴に入ります。コピーはその後 Backups フォルダに移します。</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them. Put &quot;a phrase&quot; in quotes to find it as it stands, write -word to leave out the days that hold it, and #tag to find the days with that tag.</source>
        <translation>複数の語を入れると、そのすべてを含む日が見つかります。&quot;語句&quot; のように引用符で囲むとそのままの形で探し、-語 と書くとその語を含む日を除き、#タグ と書くとそのタグの付いた日を探します。</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>A word that starts with # is a tag, such as #garden or #travel. Typing # offers the tags you have used, most used first. View &gt; Tags lists every tag with the number of days that hold it; choose one to search for it.</source>
        <translation># で始まる語はタグです（#庭、#旅行 など）。# を入力すると、これまでに使ったタグが多い順に表示されます。表示 &gt; タグ では、すべてのタグとそれを含む日数が一覧でき、選ぶとそのタグを検索します。</translation>
    </message>
    <message>
        <source>The year at a glance</source>
        <translation>1年の概観</translation>
    </message>
    <message>
        <source>View &gt; Year Overview… shows every day of a year as a square, coloured by the words you wrote that day, with the days written, the words, your longest and current streak, the words of each month and the tags of the year. Click a day or press Return to open it.</source>
        <translation>表示 &gt; 年の概観… では、1年のすべての日がその日に書いた語数で色分けされた四角で表示され、書いた日数、語数、最長と現在の連続日数、月ごとの語数、その年のタグも表示されます。日をクリックするか Return キーを押すと、その日が開きます。</translation>
    </message>
    <message>
        <source>A private diary</source>
        <translation>非公開の日記</translation>
    </message>
    <message>
        <source>File &gt; Protect with a Passphrase… encrypts the diary, its history and its backups. Penwick then shows a recovery key once: keep it apart from the computer, since either the passphrase or the recovery key opens the diary, and nothing else does. Penwick locks the diary after the time chosen in File &gt; Lock After, when the desktop locks, and with File &gt; Lock Now; everything typed is stored first. What you export or print is not encrypted.</source>
        <translation>[ファイル] &gt; [パスフレーズで保護…] で、日記とその履歴、バックアップを暗号化します。続いて回復キーが一度だけ表示されます。日記を開けるのはパスフレーズか回復キーだけなので、回復キーはコンピューターとは別の場所に保管してください。日記は、[ファイル] &gt; [自動ロック] で選んだ時間が過ぎたとき、デスクトップがロックされたとき、[ファイル] &gt; [今すぐロック] を選んだときにロックされます。入力した内容はその前にすべて保存されます。書き出したものや印刷したものは暗号化されません。</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>%1 is of version %2, and this Penwick needs version %3</source>
        <translation>%1 のバージョンは %2 ですが、この Penwick にはバージョン %3 が必要です</translation>
    </message>
</context>
<context>
    <name>NoteFile</name>
    <message>
        <source>it is a folder.</source>
        <translation>フォルダーです。</translation>
    </message>
    <message>
        <source>it is larger than 1 GB.</source>
        <translation>1 GB を超えています。</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>空です。</translation>
    </message>
    <message>
        <source>it does not hold a list of diary entries.</source>
        <translation>日記の一覧が含まれていません。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>OnThisDay</name>
    <message>
        <source>On This Day</source>
        <translation>この日</translation>
    </message>
    <message>
        <source>On this day in earlier years</source>
        <translation>以前の年のこの日</translation>
    </message>
    <message>
        <source>Nothing on this day in earlier years</source>
        <translation>以前の年のこの日には何もありません</translation>
    </message>
    <message>
        <source>On This &amp;Day</source>
        <translation>この日(&amp;D)</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Remove Protection</source>
        <translation>保護を解除</translation>
    </message>
    <message>
        <source>Your diary, its history and its backups will be stored without encryption again. Type the passphrase to go on.</source>
        <translation>日記とその履歴、バックアップは再び暗号化せずに保存されます。続けるにはパスフレーズを入力してください。</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>パスフレーズ(&amp;P):</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <source>&amp;Remove Protection</source>
        <translation>保護を解除(&amp;R)</translation>
    </message>
    <message>
        <source>Protect with a Passphrase</source>
        <translation>パスフレーズで保護</translation>
    </message>
    <message>
        <source>Change Passphrase</source>
        <translation>パスフレーズを変更</translation>
    </message>
    <message>
        <source>The diary, its history and its backups are encrypted with this passphrase. A few words that you remember and nobody would guess make a good one. Without it, only the recovery key opens the diary.</source>
        <translation>日記とその履歴、バックアップはこのパスフレーズで暗号化されます。自分では覚えていられて、ほかの人には推測できない数語を並べたものがよいパスフレーズです。これがないと、日記を開けるのは回復キーだけになります。</translation>
    </message>
    <message>
        <source>New passphrase</source>
        <translation>新しいパスフレーズ</translation>
    </message>
    <message>
        <source>New passphrase again</source>
        <translation>新しいパスフレーズ (確認)</translation>
    </message>
    <message>
        <source>&amp;New passphrase:</source>
        <translation>新しいパスフレーズ(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>もう一度(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Keep the passphrase in the desktop&apos;s keyring</source>
        <translation>パスフレーズをデスクトップのキーリングに保存(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Protect</source>
        <translation>保護(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>変更(&amp;C)</translation>
    </message>
    <message>
        <source>Weak: easy to guess. Longer, or a few unrelated words, is better.</source>
        <translation>弱い: 推測されやすいです。もっと長くするか、関係のない語をいくつか並べるとよくなります。</translation>
    </message>
    <message>
        <source>Fair: a few more characters or words make it much harder to guess.</source>
        <translation>まずまず: あと数文字か数語加えると、ずっと推測されにくくなります。</translation>
    </message>
    <message>
        <source>Good.</source>
        <translation>良好です。</translation>
    </message>
    <message>
        <source>Strong.</source>
        <translation>強力です。</translation>
    </message>
    <message>
        <source>The two passphrases differ.</source>
        <translation>2 つのパスフレーズが一致しません。</translation>
    </message>
</context>
<context>
    <name>Plist</name>
    <message>
        <source>A &lt;data&gt; value is not valid base64.</source>
        <translation>&lt;data&gt; の値が正しい base64 ではありません。</translation>
    </message>
    <message>
        <source>A boolean element holds text.</source>
        <translation>真偽値の要素に文字があります。</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; is not part of a property list.</source>
        <translation>要素 &lt;%1&gt; はプロパティリストの一部ではありません。</translation>
    </message>
    <message>
        <source>The element &lt;%1&gt; must not contain other elements.</source>
        <translation>要素 &lt;%1&gt; にほかの要素を含めることはできません。</translation>
    </message>
    <message>
        <source>The %1 value &quot;%2&quot; cannot be read.</source>
        <translation>%1 の値「%2」を読み込めません。</translation>
    </message>
    <message>
        <source>Text stands between the values of &lt;%1&gt;.</source>
        <translation>&lt;%1&gt; の値の間に文字があります。</translation>
    </message>
    <message>
        <source>The values are nested too deeply.</source>
        <translation>値の入れ子が深すぎます。</translation>
    </message>
    <message>
        <source>A dictionary value has no key.</source>
        <translation>辞書の値にキーがありません。</translation>
    </message>
    <message>
        <source>A dictionary key has no value.</source>
        <translation>辞書のキーに値がありません。</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1 (at byte %2).</source>
        <translation>ファイルは有効なプロパティリストではありません: %1 (%2 バイト目)。</translation>
    </message>
    <message>
        <source>The file holds no property list.</source>
        <translation>ファイルにプロパティリストがありません。</translation>
    </message>
    <message>
        <source>The property list holds more than one value.</source>
        <translation>プロパティリストに複数の値があります。</translation>
    </message>
    <message>
        <source>Text stands outside the values of the property list.</source>
        <translation>プロパティリストの値の外に文字があります。</translation>
    </message>
    <message>
        <source>The property list holds no value.</source>
        <translation>プロパティリストに値がありません。</translation>
    </message>
    <message>
        <source>The file is not a valid property list: %1</source>
        <translation>ファイルは有効なプロパティリストではありません: %1</translation>
    </message>
    <message>
        <source>The binary property list is truncated or of an unknown version.</source>
        <translation>バイナリ形式のプロパティリストが途切れているか、不明なバージョンです。</translation>
    </message>
    <message>
        <source>The binary property list has a damaged trailer.</source>
        <translation>バイナリ形式のプロパティリストの末尾が壊れています。</translation>
    </message>
    <message>
        <source>a count lies outside the file.</source>
        <translation>個数がファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>a count is not an integer.</source>
        <translation>個数が整数ではありません。</translation>
    </message>
    <message>
        <source>a container lies outside the file.</source>
        <translation>コンテナがファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>its shared values expand beyond any diary&apos;s size.</source>
        <translation>共有された値が日記の大きさを超えて展開されます。</translation>
    </message>
    <message>
        <source>a reference points past the last object.</source>
        <translation>参照が最後のオブジェクトの先を指しています。</translation>
    </message>
    <message>
        <source>a container contains itself.</source>
        <translation>コンテナが自分自身を含んでいます。</translation>
    </message>
    <message>
        <source>the values are nested too deeply.</source>
        <translation>値の入れ子が深すぎます。</translation>
    </message>
    <message>
        <source>an object lies outside the file.</source>
        <translation>オブジェクトがファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>it holds a null or unknown value.</source>
        <translation>空または不明な値があります。</translation>
    </message>
    <message>
        <source>an integer lies outside the file.</source>
        <translation>整数がファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>an integer is too large.</source>
        <translation>整数が大きすぎます。</translation>
    </message>
    <message>
        <source>a number lies outside the file.</source>
        <translation>数値がファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>a date is out of range.</source>
        <translation>日付が範囲外です。</translation>
    </message>
    <message>
        <source>a string or data value lies outside the file.</source>
        <translation>文字列またはデータの値がファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>a reference value lies outside the file.</source>
        <translation>参照の値がファイルの範囲外にあります。</translation>
    </message>
    <message>
        <source>a dictionary key is not a string.</source>
        <translation>辞書のキーが文字列ではありません。</translation>
    </message>
    <message>
        <source>it holds an object of an unknown type.</source>
        <translation>不明な種類のオブジェクトがあります。</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The preferences at %1 could not be written.</source>
        <translation>%1 の設定を書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>RecoveryKeyDialog</name>
    <message>
        <source>Your Recovery Key</source>
        <translation>回復キー</translation>
    </message>
    <message>
        <source>If you forget the passphrase, this recovery key opens your diary. It is shown only now: print it or write it down, and keep it apart from the computer.</source>
        <translation>パスフレーズを忘れても、この回復キーで日記を開けます。表示されるのは今だけです。印刷するか書き留めて、コンピューターとは別の場所に保管してください。</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>回復キー</translation>
    </message>
    <message>
        <source>The recovery key&apos;s last group</source>
        <translation>回復キーの最後のグループ</translation>
    </message>
    <message>
        <source>To show that you have it, type its &amp;last group:</source>
        <translation>控えたことを確かめるため、最後のグループを入力してください(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完了(&amp;D)</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Penwick&apos;s path cannot be written into a systemd unit safely: %1</source>
        <translation>Penwick のパスを systemd ユニットに安全に書き込めません: %1</translation>
    </message>
    <message>
        <source>The timer could not be enabled at %1.</source>
        <translation>%1 でタイマーを有効にできませんでした。</translation>
    </message>
    <message>
        <source>It starts with your next login: &quot;systemctl --user&quot; could not reach your session&apos;s service manager.</source>
        <translation>次回のログインから動作します。「systemctl --user」がセッションのサービスマネージャーに接続できませんでした。</translation>
    </message>
</context>
<context>
    <name>ReminderWidget</name>
    <message>
        <source>&amp;Reminder</source>
        <translation>リマインダー(&amp;R)</translation>
    </message>
    <message>
        <source>Penwick opens every day at this time</source>
        <translation>毎日この時刻に Penwick が開きます</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>リマインダーの時刻</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Reminder on</source>
        <translation>リマインダー オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Reminder off</source>
        <translation>リマインダー オフ</translation>
    </message>
    <message>
        <source>The time Penwick opens every day</source>
        <translation>Penwick が毎日開く時刻</translation>
    </message>
    <message>
        <source>The reminder is on. %1</source>
        <translation>リマインダーはオンです。%1</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message numerus="yes">
        <source> (%n times)</source>
        <translation>
            <numerusform>（%n 件）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SealedFile</name>
    <message>
        <source>it was changed or damaged: its contents do not pass the check of its encryption.</source>
        <translation>変更されたか破損しています。内容が暗号化の検証を通りません。</translation>
    </message>
    <message>
        <source>it was written by a newer version of Penwick (format %1), which this one cannot read. Open it with that version.</source>
        <translation>新しいバージョンの Penwick で書かれたもので (形式 %1)、このバージョンでは読めません。そのバージョンで開いてください。</translation>
    </message>
    <message>
        <source>there is not enough memory to open it.</source>
        <translation>開くためのメモリが足りません。</translation>
    </message>
    <message>
        <source>the encryption library cannot start.</source>
        <translation>暗号化ライブラリを開始できません。</translation>
    </message>
    <message>
        <source>there is not enough memory to work out the key from the passphrase.</source>
        <translation>パスフレーズから鍵を導き出すためのメモリが足りません。</translation>
    </message>
    <message>
        <source>This passphrase does not open the diary.</source>
        <translation>このパスフレーズでは日記を開けません。</translation>
    </message>
    <message>
        <source>This recovery key does not open the diary.</source>
        <translation>この回復キーでは日記を開けません。</translation>
    </message>
    <message>
        <source>A recovery key is 25 letters and digits, in five groups of five.</source>
        <translation>回復キーは英字と数字の 25 文字で、5 文字ずつ 5 つのグループに分かれています。</translation>
    </message>
    <message>
        <source>it does not open with this diary&apos;s key: it was changed or damaged, or it is protected by another passphrase.</source>
        <translation>この日記の鍵では開けません。変更または破損しているか、別のパスフレーズで保護されています。</translation>
    </message>
</context>
<context>
    <name>SealedFiles</name>
    <message>
        <source>%1 does not open with this diary&apos;s key and is left as it is.</source>
        <translation>%1 はこの日記の鍵では開けないため、そのままにしてあります。</translation>
    </message>
    <message>
        <source>The conflict copy %1 is merged but could not be moved into %2.</source>
        <translation>競合コピー %1 は統合しましたが、%2 へ移動できませんでした。</translation>
    </message>
</context>
<context>
    <name>SearchPopover</name>
    <message>
        <source>Close the search results (Esc)</source>
        <translation>検索結果を閉じる (Esc)</translation>
    </message>
    <message>
        <source>Close the search results</source>
        <translation>検索結果を閉じる</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>No day holds “%1”</source>
        <translation>「%1」を含む日はありません</translation>
    </message>
    <message>
        <source>1 day holds “%1”</source>
        <translation>「%1」を含む日: 1 日</translation>
    </message>
    <message>
        <source>%1 days hold “%2”</source>
        <translation>「%2」を含む日: %1 日</translation>
    </message>
    <message>
        <source>Type a word to search for, then press Return.</source>
        <translation>検索する言葉を入力してから Return キーを押してください。</translation>
    </message>
    <message>
        <source>Ignore Case and Accents</source>
        <translation>大文字・小文字とアクセントを区別しない</translation>
    </message>
    <message>
        <source>No day holds “%1”; %2 days hold it in another case or with accents.</source>
        <translation>「%1」を含む日はありません。大文字・小文字やアクセントを区別しなければ %2 日あります。</translation>
    </message>
    <message>
        <source>No day holds “%1”; 1 day holds it in another case or with accents.</source>
        <translation>「%1」を含む日はありません。大文字小文字やアクセントの違いを無視すると 1 日あります。</translation>
    </message>
    <message>
        <source>Several words find the days that hold all of them; &quot;a phrase&quot; in quotes stands together, -word leaves days out, #tag finds a tag.</source>
        <translation>複数の語ですべてを含む日を探します。&quot;語句&quot; は引用符でひとまとまりに、-語 はその日を除き、#タグ はタグを探します。</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Penwick cannot make a private folder at %1.</source>
        <translation>%1 に専用のフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>Penwick is already running, but does not answer.</source>
        <translation>Penwick はすでに起動していますが、応答がありません。</translation>
    </message>
    <message>
        <source>Penwick cannot open its lock file %1: %2</source>
        <translation>Penwick はロックファイル %1 を開けません: %2</translation>
    </message>
</context>
<context>
    <name>SpellingSupport</name>
    <message>
        <source>No Suggestions</source>
        <translation>候補なし</translation>
    </message>
    <message>
        <source>Check &amp;Spelling While Typing</source>
        <translation>入力中にスペルをチェック(&amp;S)</translation>
    </message>
    <message>
        <source>Spelling &amp;Language</source>
        <translation>スペルチェックの言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>辞書に追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>無視(&amp;I)</translation>
    </message>
</context>
<context>
    <name>StorageSheet</name>
    <message>
        <source>Storage</source>
        <translation>保存場所</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your diary is kept in&lt;/b&gt;</source>
        <translation>&lt;b&gt;日記の保存場所&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Diary file</source>
        <translation>日記ファイル</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Move Diary To</source>
        <translation>日記を移動</translation>
    </message>
    <message>
        <source>The diary file moves to a place you choose, and stays your diary.</source>
        <translation>日記ファイルを選んだ場所に移し、そのまま日記として使います。</translation>
    </message>
    <message>
        <source>New Diary At</source>
        <translation>新しい日記を作成</translation>
    </message>
    <message>
        <source>An empty diary is written at a place you choose and becomes your diary.</source>
        <translation>選んだ場所に空の日記を作り、それを日記として使います。</translation>
    </message>
    <message>
        <source>Use Diary At</source>
        <translation>この場所の日記を使う</translation>
    </message>
    <message>
        <source>Penwick uses the file at a place you choose, without touching any file.</source>
        <translation>ファイルには手を加えず、選んだ場所のファイルを日記として使います。</translation>
    </message>
    <message>
        <source>Use Folder</source>
        <translation>フォルダーを使う</translation>
    </message>
    <message>
        <source>Your diary becomes the file of the same name in another folder, such as a synced one.</source>
        <translation>同期フォルダーなど、別のフォルダーにある同じ名前のファイルを日記として使います。</translation>
    </message>
    <message>
        <source>Open Diary File</source>
        <translation>日記ファイルを開く</translation>
    </message>
    <message>
        <source>An existing diary file becomes your diary, where it is.</source>
        <translation>既存の日記ファイルを、その場所のまま日記として使います。</translation>
    </message>
    <message>
        <source>Export as Text</source>
        <translation>テキストとして書き出す</translation>
    </message>
    <message>
        <source>The whole diary as one text file, oldest day first.</source>
        <translation>日記全体を古い日から順に一つのテキストファイルにします。</translation>
    </message>
    <message>
        <source>Take Over an Earlier Diary</source>
        <translation>以前の日記を引き継ぐ</translation>
    </message>
    <message>
        <source>The diary an earlier version kept in its preferences becomes your diary.</source>
        <translation>以前のバージョンが設定に保存していた日記を引き継ぎます。</translation>
    </message>
    <message>
        <source>Remove Empty Entries</source>
        <translation>空の日記を削除</translation>
    </message>
    <message>
        <source>Days whose text is empty are removed from the diary file.</source>
        <translation>本文が空の日を日記ファイルから削除します。</translation>
    </message>
    <message>
        <source>Failed to load a diary. Or tried to write in a directory that&apos;s not permitted.</source>
        <translation>日記を読み込めないか、書き込みが許可されていないフォルダーです。</translation>
    </message>
    <message>
        <source>Failed to write. This might happen by writing to a directory that needs permission.</source>
        <translation>書き込めませんでした。権限が必要なフォルダーでは起こることがあります。</translation>
    </message>
    <message>
        <source>Diary files (*.plist)</source>
        <translation>日記ファイル (*.plist)</translation>
    </message>
    <message>
        <source>Not a appropriate document.</source>
        <translation>適切な書類ではありません。</translation>
    </message>
    <message>
        <source>Not a appropriate format.</source>
        <translation>適切な形式ではありません。</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>This file holds no earlier diary.</source>
        <translation>このファイルには以前の日記が含まれていません。</translation>
    </message>
    <message>
        <source>Replace your diary with the earlier one?</source>
        <translation>日記を以前の日記で置き換えますか?</translation>
    </message>
    <message numerus="yes">
        <source>Your diary at %1 holds %n entries. They are replaced by the %2 entries of the earlier diary.</source>
        <translation>
            <numerusform>%1 の日記には %n 件の記録があります。以前の日記の %2 件で置き換えられます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Storage actions</source>
        <translation>保存場所の操作</translation>
    </message>
    <message>
        <source>There is no diary in %1 yet. Start a new one there?</source>
        <translation>%1 にはまだ日記がありません。そこで新しい日記を始めますか?</translation>
    </message>
    <message>
        <source>To take your diary there instead, use Move Diary To… in Storage.</source>
        <translation>代わりに今の日記をそこへ移すには、「保存場所」の「日記を移動…」を使ってください。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>始める</translation>
    </message>
    <message>
        <source>Penwick opens a property-list diary file whose name ends in &quot;plist&quot;; &quot;%1&quot; has another name.</source>
        <translation>Penwick が開くのは、名前が「plist」で終わるプロパティリスト形式の日記ファイルです。「%1」は別の名前です。</translation>
    </message>
    <message>
        <source>Penwick expected a property list of diary entries; &quot;%1&quot; holds something else.</source>
        <translation>Penwick は日記の記録を収めたプロパティリストを想定していましたが、「%1」には別のものが入っています。</translation>
    </message>
    <message>
        <source>Show in &amp;File Manager</source>
        <translation>ファイルマネージャーで表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Move Diary To…</source>
        <translation>日記を移動(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;New Diary At…</source>
        <translation>新しい日記を作成(&amp;N)…</translation>
    </message>
    <message>
        <source>&amp;Use Diary At…</source>
        <translation>この場所の日記を使う(&amp;U)…</translation>
    </message>
    <message>
        <source>Use Fol&amp;der…</source>
        <translation>フォルダーを使う(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Open Diary File…</source>
        <translation>日記ファイルを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Export as Text…</source>
        <translation>テキストとして書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Take Over an Earlier Diary…</source>
        <translation>以前の日記を引き継ぐ(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Remove Empty Entries</source>
        <translation>空の日記を削除(&amp;R)</translation>
    </message>
    <message>
        <source>Taken over from an earlier diary</source>
        <translation>以前の日記から引き継ぎ</translation>
    </message>
    <message>
        <source>What you export is not encrypted.</source>
        <translation>書き出した内容は暗号化されません。</translation>
    </message>
    <message>
        <source>Your diary is protected by a passphrase, but anyone who gets at the exported file can read it.</source>
        <translation>日記はパスフレーズで保護されていますが、書き出したファイルは、手にした人なら誰でも読めます。</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>続行(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TagCompletion</name>
    <message>
        <source>Tags of the diary</source>
        <translation>日記のタグ</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TagsPane</name>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>&amp;Tags</source>
        <translation>タグ(&amp;T)</translation>
    </message>
    <message>
        <source>No tags yet: a word with # before it, such as #garden, is one.</source>
        <translation>タグはまだありません。#庭 のように # を前に付けた語がタグになります。</translation>
    </message>
    <message>
        <source>Filter tags</source>
        <translation>タグを絞り込む</translation>
    </message>
    <message>
        <source>Filter the tags</source>
        <translation>タグを絞り込む</translation>
    </message>
    <message>
        <source>Order of the tags</source>
        <translation>タグの並び順</translation>
    </message>
    <message>
        <source>Most days first</source>
        <translation>日数の多い順</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>名前順</translation>
    </message>
    <message>
        <source>Tags and the days that hold them</source>
        <translation>タグとそれを含む日数</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日数</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnlockView</name>
    <message>
        <source>&amp;Unlock</source>
        <translation>ロック解除(&amp;U)</translation>
    </message>
    <message>
        <source>Unlock from &amp;Keyring</source>
        <translation>キーリングでロック解除(&amp;K)</translation>
    </message>
    <message>
        <source>Unlock the diary</source>
        <translation>日記のロック解除</translation>
    </message>
    <message>
        <source>This diary is protected by a passphrase.</source>
        <translation>この日記はパスフレーズで保護されています。</translation>
    </message>
    <message>
        <source>Why the diary did not unlock</source>
        <translation>日記のロックを解除できなかった理由</translation>
    </message>
    <message>
        <source>&amp;Recovery key:</source>
        <translation>回復キー(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>パスフレーズ(&amp;P):</translation>
    </message>
    <message>
        <source>Recovery key</source>
        <translation>回復キー</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <source>Use &amp;Passphrase</source>
        <translation>パスフレーズを使う(&amp;P)</translation>
    </message>
    <message>
        <source>Use &amp;Recovery Key…</source>
        <translation>回復キーを使う(&amp;R)…</translation>
    </message>
    <message>
        <source>Unlock (%1 s)</source>
        <translation>ロック解除 (%1 秒)</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>What you wrote on one day is still only in the window. %1</source>
        <translation>1 日分の書いた内容がまだウィンドウの中にしかありません。%1</translation>
    </message>
    <message>
        <source>What you wrote on %1 days is still only in the window. %2</source>
        <translation>%1 日分の書いた内容がまだウィンドウの中にしかありません。%2</translation>
    </message>
    <message>
        <source>Save a Copy As</source>
        <translation>コピーを別名で保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>A copy you save is not encrypted.</source>
        <translation>保存したコピーは暗号化されません。</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>Update Available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>Open Product Page</source>
        <translation>製品ページを開く</translation>
    </message>
    <message>
        <source>Penwick %1 is available.</source>
        <translation>Penwick %1 が公開されています。</translation>
    </message>
    <message>
        <source>No browser could be opened. Copy this address into one:</source>
        <translation>ブラウザーを開けませんでした。このアドレスをブラウザーにコピーしてください:</translation>
    </message>
    <message>
        <source>Product page address</source>
        <translation>製品ページのアドレス</translation>
    </message>
</context>
<context>
    <name>UpdateWatch</name>
    <message>
        <source>Check for &amp;Updates at Start-up</source>
        <translation>起動時にアップデートを確認(&amp;U)</translation>
    </message>
</context>
<context>
    <name>WarningBar</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>There is no diary file at %1, so nothing can be written. Try Again starts an empty diary there.</source>
        <translation>%1 に日記ファイルがないため、書き込めません。「再試行」でそこに空の日記を作成します。</translation>
    </message>
    <message>
        <source>The folder %1 that holds your diary is missing (a disconnected drive?), so nothing can be written. Try Again looks again.</source>
        <translation>日記のあるフォルダー %1 が見つかりません(ドライブが外れていませんか?)。書き込めません。「再試行」でもう一度確認します。</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be read: %2 Nothing can be written, and the file is left as it is. Try Again reads it again.</source>
        <translation>日記ファイル %1 を読み込めません: %2 書き込みはできず、ファイルはそのまま残されます。「再試行」でもう一度読み込みます。</translation>
    </message>
    <message numerus="yes">
        <source>Changes to %n days could not be saved. %1 They are still in the window, and are saved with your next change.</source>
        <translation>
            <numerusform>%n 日分の変更を保存できませんでした。%1 変更はウィンドウに残っており、次の変更と一緒に保存されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your latest change could not be saved. %1 It is still in the window, and is saved with your next change.</source>
        <translation>最後の変更を保存できませんでした。%1 変更はウィンドウに残っており、次の変更と一緒に保存されます。</translation>
    </message>
</context>
<context>
    <name>YearOverview</name>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n 語</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: nothing written</source>
        <translation>%1：記入なし</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Year &amp;Overview…</source>
        <translation>年の概観(&amp;O)…</translation>
    </message>
    <message>
        <source>Year Overview</source>
        <translation>年の概観</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>前の年</translation>
    </message>
    <message>
        <source>Previous year (Ctrl+Shift+PgUp)</source>
        <translation>前の年 (Ctrl+Shift+PgUp)</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>次の年</translation>
    </message>
    <message>
        <source>Next year (Ctrl+Shift+PgDown)</source>
        <translation>次の年 (Ctrl+Shift+PgDown)</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>年の各日</translation>
    </message>
    <message>
        <source>Each square is a day; the stronger its colour, the more words were written that day.</source>
        <translation>四角は1日を表し、色が濃いほどその日に多くの語が書かれています。</translation>
    </message>
    <message>
        <source>Days written:</source>
        <translation>書いた日数：</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>語数：</translation>
    </message>
    <message>
        <source>Longest streak:</source>
        <translation>最長の連続：</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>現在の連続：</translation>
    </message>
    <message>
        <source>Words per month</source>
        <translation>月ごとの語数</translation>
    </message>
    <message>
        <source>Tags of the year</source>
        <translation>その年のタグ</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日数</translation>
    </message>
    <message>
        <source>Days of %1</source>
        <translation>%1 年の各日</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>1 day (%1)</source>
        <translation>1 日 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days (%1 – %2)</source>
        <translation>
            <numerusform>%n 日 (%1 – %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 日中 %1 日</translation>
    </message>
    <message>
        <source>No tags this year</source>
        <translation>この年のタグはありません</translation>
    </message>
</context>
</TS>
