<html>
<body>
<?php
// Greeting page
# old-style comment
declare(strict_types=1);

namespace App\Pages;

use App\Models\User;

final class Greeter
{
    private const int LIMIT = 0x1F;

    public function __construct(private readonly string $name = 'guest') {}

    public function greet(int $times = 1_000): string
    {
        $text = "Hello, $this->name! You have {$times} new ${times}s\n";
        $raw = 'No $interpolation here \' ok';
        /* several
           lines */
        return match (true) {
            $times > 0b101 => $text,
            default => $raw . 017 . 1.5e3,
        };
    }
}

$html = <<<HTML
    <p>Dear $user, welcome</p>
    HTML;
$plain = <<<'TXT'
No $vars in a nowdoc
TXT;
echo $html, PHP_EOL; ?>
<p>Back in the page <?= $plain ?></p>
</body>
</html>
