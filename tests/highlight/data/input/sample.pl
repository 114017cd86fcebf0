#!/usr/bin/perl
use strict;
use warnings;
use constant PI => 3.14_159;

=head1 NAME

greet.pl - greets people

=cut

my $name = shift @ARGV // 'world';
my @list = qw(alpha beta gamma);
my %ages = (tom => 30, ann => 0x1F, bob => 0b101);
my $count = scalar(@list) + $#list;

print "Hello, $name! There are @list here\n";
print 'No $interpolation', "\n";
if ($name =~ m/^w(or)ld$/i and $count > 2) {
    (my $copy = $name) =~ s/o/0/g;
    $name =~ tr/a-z/A-Z/;
}
my @sorted = sort { $ages{$a} <=> $ages{$b} } keys %ages;
my $ref = \@sorted;
my $y = $point{y} + $obj->s(1) + $h{q};
print $ref->[0], $Foo::Bar::baz, $_ for 1 .. 3;

print <<"END";
Dear $name,
  welcome.
END

my $text = <<~'RAW';
    Not $interpolated
    RAW
my $multi = "first
second $name";
__END__
data that is not code
