# PowerShell completion for tessaly: options, categories, the conversions and the unit words.
# Load it from your profile (notepad $PROFILE) with a line such as
#     . 'C:\Program Files\Tessaly\tessaly-completion.ps1'
# The program itself names what may come next (tessaly --candidates WORDS), so that no list is
# kept here. Registered for tessaly, which covers tessaly.com and tessaly.exe too.
Register-ArgumentCompleter -Native -CommandName tessaly -ScriptBlock {
    param($wordToComplete, $commandAst, $cursorPosition)
    $elements = @($commandAst.CommandElements)
    # The program as typed, such as .\tessaly in its own folder, so that it answers from there.
    $program = if ($elements[0].Value) { $elements[0].Value } else { $elements[0].Extent.Text }
    $before = @($elements | Select-Object -Skip 1 |
        Where-Object { $_.Extent.EndOffset -lt $cursorPosition } |
        ForEach-Object { $_.Extent.Text.Trim('''"') })
    $typed = $wordToComplete.TrimStart('''"')
    & $program --candidates @before 2>$null |
        Where-Object { $_.StartsWith($typed, [System.StringComparison]::Ordinal) } |
        ForEach-Object {
            $text = if ($_ -match '[\s''"`$;,(){}@#&|<>]') { "'" + ($_ -replace "'", "''") + "'" } else { $_ }
            [System.Management.Automation.CompletionResult]::new($text, $_, 'ParameterValue', $_)
        }
}
